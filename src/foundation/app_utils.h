// The routine that tracks clicks in scroll bars, made once at start-up and disposed at quit.
#pragma once

void InitApputils();
void CloseApputils();
