// The higher folder's header.
#pragma once
