// The resource manager: typed, numbered, optionally named blocks of bytes kept in resource files.
//
// Open files form a chain, newest first. Searches that span the chain start at the current file and go
// on to older ones; the "1" forms look in the current file only. A resource, once got, is one handle
// for as long as it stays loaded: getting it again returns the same handle. Changes reach the disk when
// the file is updated or closed; the file is then rewritten whole and renamed over the old one.
// Every call sets ResError().
#pragma once

#include "platform/resource_format.h" // the attribute bits
#include "platform/types.h"

#include <string_view>
#include <vector>

enum : SInt8 { fsCurPerm = 0, fsRdPerm = 1, fsWrPerm = 2, fsRdWrPerm = 3 };

OSErr ResError();

// Makes an empty resource file; dupFNErr when the path already holds a file that is not empty.
void CreateResFile(std::string_view path);
// Returns the file's reference number, or -1 with ResError set (fnfErr, resFNotFound for an empty file,
// mapReadErr for a damaged one). The opened file becomes current. Opening a file that is already open
// returns its reference number and makes it current.
ResFileRefNum OpenResFile(std::string_view path, SInt8 permission);
// Opens resource-file bytes held in memory (a resource fork carried inside another file) read-only, under
// `name`, which no file on disk need have; errors and the current file as OpenResFile.
ResFileRefNum OpenResFileFromBytes(std::string_view name, std::vector<UInt8> bytes);
// The same for a file made of these resources; -1 with ResError set when they cannot make one.
ResFileRefNum OpenResFileOfEntries(std::string_view name, std::span<const ResourceEntry> entries);
void CloseResFile(ResFileRefNum refNum);
void UpdateResFile(ResFileRefNum refNum);
void UseResFile(ResFileRefNum refNum);
// The current file, 0 when none is open.
ResFileRefNum CurResFile();
ResFileRefNum HomeResFile(Handle resource);

Handle GetResource(ResType type, ResID id);
Handle Get1Resource(ResType type, ResID id);
// index counts from 1.
Handle GetIndResource(ResType type, SInt16 index);
Handle Get1IndResource(ResType type, SInt16 index);
Handle GetNamedResource(ResType type, ConstStr255Param name);
Handle Get1NamedResource(ResType type, ConstStr255Param name);
SInt16 CountResources(ResType type);
SInt16 Count1Resources(ResType type);
SInt16 CountTypes();
SInt16 Count1Types();
void GetIndType(ResType* type, SInt16 index);
void Get1IndType(ResType* type, SInt16 index);
// Resources are loaded when they are got; this only confirms that the handle is a resource.
void LoadResource(Handle resource);

// Disposes the handle; unwritten changes are dropped.
void ReleaseResource(Handle resource);
// The handle stops being a resource and becomes the caller's; refused (resAttrErr) while it has changes.
void DetachResource(Handle resource);
// The handle becomes a resource of the current file, marked changed.
void AddResource(Handle data, ResType type, ResID id, ConstStr255Param name);
// Takes the resource out of its file; the handle becomes the caller's.
void RemoveResource(Handle resource);
void ChangedResource(Handle resource);
// Takes the handle's current bytes as the resource's data for the next update of the file.
void WriteResource(Handle resource);

void GetResInfo(Handle resource, ResID* id, ResType* type, StringPtr name);
// name null keeps the name; an empty name removes it.
void SetResInfo(Handle resource, ResID id, ConstStr255Param name);
SInt16 GetResAttrs(Handle resource);
void SetResAttrs(Handle resource, SInt16 attributes);
// An ID of 128 or more that no file of the chain (or the current file) uses for the type.
ResID UniqueID(ResType type);
ResID Unique1ID(ResType type);
