// The lower folder's header.
#pragma once
