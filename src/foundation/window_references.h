// Window references: small numbers naming the program's windows, its offscreen worlds and a ten-deep
// stack of saved foreign ports, and the save-set-restore discipline of the current port built on them.
#pragma once

#include "platform/dialogs.h"
#include "platform/drawing.h"
#include "platform/windows.h"

using WindowReference = SInt16;

enum : WindowReference {
    kNoWindowReference = 0,
    kFirstWindowReference = 1,
    kLastWindowReference = 27,
    kFirstWorldReference = 28,
    kLastWorldReference = 32,
    kFirstSavedPortReference = 33,
    kLastSavedPortReference = 42,
};

// What GetWindowReference's pointer is.
enum : UInt16 { kReferenceToWindow = 1, kReferenceToDialog = 2, kReferenceToPort = 3 };

constexpr int kSavedPortDepth = 10;
extern SInt16 gPortCount;
// The window of each entry: a dialog is kept as its window.
extern WindowPtr gWindowSaver[kSavedPortDepth];
extern GrafPtr gPortSaver[kSavedPortDepth];
extern GDHandle gDeviceSaver[kSavedPortDepth];

WindowReference GetWindowReference(void* pointer, GDHandle device, UInt16 kind);
WindowReference GetPortReference();
void SetPortByReference(WindowReference reference);
WindowPtr GetWindowByReference(WindowReference reference, bool quiet);
GrafPtr GetPortByReference(WindowReference reference);
void GetWindowRefandSetPort(WindowPtr window);
void GetDialogRefandSetPort(DialogPtr dialog);
void GetPortRefandSetPort(GrafPtr port);
void GetAliasRefandSetPort(void* pointer);
GDHandle GetWindowDevice(WindowPtr window);
OSStatus GetWindowBoundsNormalized(WindowPtr window, WindowRegionCode region, Rect* bounds);
