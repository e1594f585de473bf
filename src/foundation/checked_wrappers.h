// Checked wrappers over the platform's memory, resource, menu, dialog, window and offscreen-world calls.
// Getters and allocators take a retry count (the number of extra tries) and report nothing; disposers
// and changers take the caller's source file and line and report failures through DoErrorMessage.
#pragma once

#include "platform/dialogs.h"
#include "platform/drawing.h"
#include "platform/memory.h"
#include "platform/menus.h"
#include "platform/resources.h"
#include "platform/windows.h"

Handle MyNewHandle(Size size, SInt16 retries);
Handle MyNewHandleClear(Size size, SInt16 retries);
Handle MyTempNewHandle(Size size, OSErr* status, SInt16 retries);
Ptr MyNewPtr(Size size, SInt16 retries);
Ptr MyNewPtrClear(Size size, SInt16 retries);
OSErr MyHandToHand(Handle* handle, SInt16 retries);
Handle MyGetResource(ResType type, ResID id, SInt16 retries);
Handle MyGet1Resource(ResType type, ResID id, SInt16 retries);
Handle MyGetIndResource(ResType type, SInt16 index, SInt16 retries);
Handle MyGetNamedResource(ResType type, ConstStr255Param name, SInt16 retries);
Handle MyGet1IndResource(ResType type, SInt16 index, SInt16 retries, const char* file, SInt32 line,
                         SInt32 reserved, bool searchPatches);
SInt16 MyLoadResource(Handle resource, SInt16 retries);
MenuRef MyGetMenu(SInt16 menuID, SInt16 retries);
OSStatus MyCreateNewMenu(MenuID menuID, UInt32 attributes, MenuRef* menu, SInt16 retries);
DialogPtr MyGetNewDialog(SInt16 dialogID, void* storage, WindowPtr behind, SInt16 retries);
WindowPtr MyNewCWindow(void* storage, const Rect* bounds, ConstStr255Param title, bool visible, SInt16 procID,
                       WindowPtr behind, bool goAwayFlag, SInt32 refCon, SInt16 retries);
QDErr MyNewGWorld(GWorldPtr* world, SInt16 depth, const Rect* bounds, CTabHandle table, GDHandle device,
                  GWorldFlags flags, SInt16 retries);
Ptr Myrealloc(Ptr pointer, Size size, SInt16 retries, const char* file, SInt32 line);

void MyDisposeHandle(Handle h, const char* file, SInt32 line);
void MyDisposePtr(Ptr p, const char* file, SInt32 line);
void MyReleaseResource(Handle h, const char* file, SInt32 line);
void MyDetachResource(Handle h, const char* file, SInt32 line);
void MyRemoveResource(Handle h, const char* file, SInt32 line);
void MyAddResource(Handle h, ResType type, ResID id, ConstStr255Param name, const char* file, SInt32 line);
void MyDisposeDialog(DialogPtr dialog, const char* file, SInt32 line);
void MyDisposeMenu(MenuRef menu, const char* file, SInt32 line);
void MyGetResInfo(Handle h, ResID* id, ResType* type, StringPtr name);
void MyDisposeGWorld(GWorldPtr* world);
GWorldFlags MyUpdateGWorld(GWorldPtr* world, SInt16 depth, const Rect* bounds, CTabHandle table,
                           GDHandle device, GWorldFlags flags);

// Memory purging is left to the system; these remain for the callers that ask for it.
void LevelOnePurge();
void LevelTwoPurge();
void LevelThreePurge();
void PurgeThings();

// The caller's place, for the disposers and changers.
#define ORVALIS_HERE __FILE__, __LINE__
