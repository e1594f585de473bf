// The document globals: which script is loaded, from where, and in what form.
#include "shell/script_documents.h"
