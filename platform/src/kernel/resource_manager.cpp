// The chain of open resource files and the handles of their loaded resources.
#include "platform/resources.h"

#include "handle_block.h"
#include "platform/file_io.h"
#include "platform/memory.h"
#include "platform/pstring.h"
#include "platform/resource_format.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <unordered_map>

struct ResFile;

struct ResourceSlot {
    ResFile* file = nullptr;
    ResType type = 0;
    ResID id = 0;
    bool hasName = false;
    std::string name;
    UInt8 attributes = 0;
    std::span<const UInt8> stored; // the bytes in the file as last read or written
    std::vector<UInt8> pending;    // bytes taken by WriteResource, not yet on disk
    bool hasPending = false;
    bool added = false; // added since the file was last written: nothing on disk yet
    Handle handle = nullptr;
};

namespace {

struct TypeIndex {
    ResType type;
    std::vector<ResourceSlot*> slots;
    std::unordered_map<ResID, ResourceSlot*> byId; // the first slot of each ID
};

} // namespace

struct ResFile {
    ResFileRefNum refNum = 0;
    std::string path;
    bool writable = false;
    bool dirty = false;
    UInt16 mapAttributes = 0;
    std::vector<UInt8> bytes;
    std::vector<std::unique_ptr<ResourceSlot>> slots; // grouped by type, newest addition first

    bool indexStale = true;
    std::vector<TypeIndex> types;
    std::unordered_map<ResType, size_t> typeAt;

    void Reindex() {
        types.clear();
        typeAt.clear();
        for (auto& slot : slots) {
            auto [it, inserted] = typeAt.try_emplace(slot->type, types.size());
            if (inserted) types.push_back(TypeIndex{slot->type, {}, {}});
            TypeIndex& index = types[it->second];
            index.slots.push_back(slot.get());
            index.byId.try_emplace(slot->id, slot.get());
        }
        indexStale = false;
    }

    const TypeIndex* Find(ResType type) {
        if (indexStale) Reindex();
        auto it = typeAt.find(type);
        return it == typeAt.end() ? nullptr : &types[it->second];
    }
};

namespace {

OSErr gResErr = noErr;
std::vector<std::unique_ptr<ResFile>> gChain; // newest first
ResFileRefNum gCurrentFile = 0;
ResFileRefNum gNextRefNum = 2;

ResFile* FileOf(ResFileRefNum refNum) {
    for (auto& f : gChain)
        if (f->refNum == refNum) return f.get();
    return nullptr;
}

size_t ChainPosition(ResFileRefNum refNum) {
    for (size_t i = 0; i < gChain.size(); ++i)
        if (gChain[i]->refNum == refNum) return i;
    return gChain.size();
}

ResourceSlot* SlotOf(Handle h) {
    return h ? BlockOf(h)->resource : nullptr;
}

// The files a chain-wide search visits: the current one and every older one.
template <typename Visit> void ForChain(Visit visit) {
    for (size_t i = ChainPosition(gCurrentFile); i < gChain.size(); ++i)
        if (visit(gChain[i].get())) return;
}

Handle Load(ResourceSlot* slot) {
    if (slot->handle) {
        gResErr = noErr;
        return slot->handle;
    }
    const UInt8* src = slot->hasPending ? slot->pending.data() : slot->stored.data();
    const size_t size = slot->hasPending ? slot->pending.size() : slot->stored.size();
    if (size > 0x7FFFFFFF) {
        gResErr = memFullErr;
        return nullptr;
    }
    Handle h = NewHandle(Size(size));
    if (!h) {
        gResErr = memFullErr;
        return nullptr;
    }
    if (size) std::memcpy(*h, src, size);
    BlockOf(h)->resource = slot;
    if (slot->attributes & resLocked) HLock(h);
    slot->handle = h;
    gResErr = noErr;
    return h;
}

// A resource added since the last write has no bytes on disk to fall back on, so when its handle goes
// the bytes it holds are kept to be written, whatever its attributes say.
void KeepAddedBytes(ResourceSlot* slot) {
    if (!slot->added || slot->hasPending || !slot->handle) return;
    const auto* p = reinterpret_cast<const UInt8*>(*slot->handle);
    slot->pending.assign(p, p + GetHandleSize(slot->handle));
    slot->hasPending = true;
}

// Whether the handle's bytes are what the file gets: when marked changed, and for an added resource
// whose bytes were not taken yet even when its changed bit was cleared.
bool WritesHandle(const ResourceSlot& slot) {
    return slot.handle && ((slot.attributes & resChanged) || (slot.added && !slot.hasPending));
}

Handle Found(ResourceSlot* slot) {
    if (!slot) {
        gResErr = resNotFound;
        return nullptr;
    }
    return Load(slot);
}

ResourceSlot* FindById(ResFile* file, ResType type, ResID id) {
    const TypeIndex* index = file->Find(type);
    if (!index) return nullptr;
    auto it = index->byId.find(id);
    return it == index->byId.end() ? nullptr : it->second;
}

ResourceSlot* FindByName(ResFile* file, ResType type, std::string_view name) {
    const TypeIndex* index = file->Find(type);
    if (!index) return nullptr;
    for (ResourceSlot* slot : index->slots)
        if (slot->hasName && slot->name == name) return slot;
    return nullptr;
}

SInt16 CountIn(ResFile* file, ResType type) {
    const TypeIndex* index = file->Find(type);
    return index ? SInt16(index->slots.size()) : 0;
}

// Drops the file's loaded handles; the memory goes with them.
void DisposeLoadedHandles(ResFile* file) {
    for (auto& slot : file->slots)
        if (slot->handle) {
            Handle h = slot->handle;
            BlockOf(h)->resource = nullptr;
            slot->handle = nullptr;
            DisposeHandle(h);
        }
}

OSErr WriteFile(ResFile* file) {
    ResourceForkContents contents;
    contents.mapAttributes = file->mapAttributes;
    contents.entries.reserve(file->slots.size());
    for (auto& slot : file->slots) {
        ResourceEntry e;
        e.type = slot->type;
        e.id = slot->id;
        e.hasName = slot->hasName;
        e.name = slot->name;
        e.attributes = slot->attributes;
        if (WritesHandle(*slot))
            e.data = std::span<const UInt8>(reinterpret_cast<const UInt8*>(*slot->handle),
                                            size_t(GetHandleSize(slot->handle)));
        else if (slot->hasPending)
            e.data = slot->pending;
        else
            e.data = slot->stored;
        contents.entries.push_back(std::move(e));
    }
    std::vector<UInt8> bytes;
    std::vector<size_t> offsets;
    OSErr err = SerializeResourceFork(contents, bytes, &offsets);
    if (err) return err;
    err = WriteFileAtomically(file->path, bytes);
    if (err) return err;

    file->bytes = std::move(bytes);
    for (size_t i = 0; i < file->slots.size(); ++i) {
        ResourceSlot& slot = *file->slots[i];
        slot.stored =
            std::span<const UInt8>(file->bytes.data() + offsets[i], contents.entries[i].data.size());
        slot.pending.clear();
        slot.pending.shrink_to_fit();
        slot.hasPending = false;
        slot.added = false;
        slot.attributes &= UInt8(~resChanged);
    }
    file->dirty = false;
    return noErr;
}

// Whether a change to the file may be made; sets the resource error when not.
bool MayChange(ResFile* file, OSErr refusal) {
    if (file && file->writable && !(file->mapAttributes & mapReadOnly)) return true;
    gResErr = refusal;
    return false;
}

std::string CanonicalPath(std::string_view path) {
    std::error_code ec;
    auto canonical = std::filesystem::weakly_canonical(std::filesystem::path(path), ec);
    return ec ? std::string(path) : canonical.string();
}

} // namespace

// A disposed handle must not stay in its file's map.
void ForgetResourceHandle(ResourceSlot* slot) {
    KeepAddedBytes(slot);
    slot->handle = nullptr;
}

OSErr ResError() {
    return gResErr;
}

void CreateResFile(std::string_view path) {
    std::string p(path);
    std::vector<UInt8> existing;
    if (ReadWholeFile(p, existing) == noErr && !existing.empty()) {
        gResErr = dupFNErr;
        return;
    }
    std::vector<UInt8> bytes;
    SerializeResourceFork(ResourceForkContents{}, bytes);
    gResErr = WriteFileAtomically(p, bytes);
}

namespace {

ResFileRefNum OpenParsedResFile(std::string canonical, std::vector<UInt8> bytes, bool writable);

// Opening a file that is already open makes it current and answers its reference number; 0 when it is
// not open.
ResFileRefNum MakeOpenFileCurrent(const std::string& canonical) {
    for (auto& f : gChain)
        if (f->path == canonical) {
            gCurrentFile = f->refNum;
            gResErr = noErr;
            return f->refNum;
        }
    return 0;
}

} // namespace

ResFileRefNum OpenResFile(std::string_view path, SInt8 permission) {
    std::string canonical = CanonicalPath(path);
    if (ResFileRefNum open = MakeOpenFileCurrent(canonical); open != 0) return open;

    std::vector<UInt8> bytes;
    if (OSErr err = ReadWholeFile(canonical, bytes); err != noErr) {
        gResErr = err;
        return -1;
    }
    return OpenParsedResFile(std::move(canonical), std::move(bytes), permission != fsRdPerm);
}

ResFileRefNum OpenResFileFromBytes(std::string_view name, std::vector<UInt8> bytes) {
    std::string canonical = CanonicalPath(name);
    if (ResFileRefNum open = MakeOpenFileCurrent(canonical); open != 0) return open;
    return OpenParsedResFile(std::move(canonical), std::move(bytes), false);
}

ResFileRefNum OpenResFileOfEntries(std::string_view name, std::span<const ResourceEntry> entries) {
    ResourceForkContents contents;
    contents.entries.assign(entries.begin(), entries.end());
    std::vector<UInt8> bytes;
    if (OSErr err = SerializeResourceFork(contents, bytes); err != noErr) {
        gResErr = err;
        return -1;
    }
    return OpenResFileFromBytes(name, std::move(bytes));
}

namespace {

ResFileRefNum OpenParsedResFile(std::string canonical, std::vector<UInt8> bytes, bool writable) {
    auto file = std::make_unique<ResFile>();
    file->path = std::move(canonical);
    file->writable = writable;
    file->bytes = std::move(bytes);
    ResourceForkContents contents;
    if (OSErr err = ParseResourceFork(file->bytes, contents); err != noErr) {
        gResErr = err;
        return -1;
    }
    file->mapAttributes = contents.mapAttributes;
    file->slots.reserve(contents.entries.size());
    for (ResourceEntry& e : contents.entries) {
        auto slot = std::make_unique<ResourceSlot>();
        slot->file = file.get();
        slot->type = e.type;
        slot->id = e.id;
        slot->hasName = e.hasName;
        slot->name = std::move(e.name);
        slot->attributes = UInt8(e.attributes & ~resChanged);
        slot->stored = e.data;
        file->slots.push_back(std::move(slot));
    }
    // Reference numbers are never 0 (no file) or -1 (failure) and are not soon reused.
    do {
        file->refNum = gNextRefNum;
        gNextRefNum = gNextRefNum >= 0x7FFF ? 2 : SInt16(gNextRefNum + 1);
    } while (FileOf(file->refNum));
    ResFileRefNum refNum = file->refNum;
    gChain.insert(gChain.begin(), std::move(file));
    gCurrentFile = refNum;
    gResErr = noErr;
    return refNum;
}

} // namespace

void UpdateResFile(ResFileRefNum refNum) {
    ResFile* file = FileOf(refNum);
    if (!file) {
        gResErr = resFNotFound;
        return;
    }
    bool changed = file->dirty;
    for (auto& slot : file->slots)
        changed = changed || (slot->attributes & resChanged);
    if (!changed) {
        gResErr = noErr;
        return;
    }
    if (!MayChange(file, wrPermErr)) return;
    gResErr = WriteFile(file);
}

void CloseResFile(ResFileRefNum refNum) {
    size_t at = ChainPosition(refNum);
    if (at == gChain.size()) {
        gResErr = resFNotFound;
        return;
    }
    ResFile* file = gChain[at].get();
    OSErr err = noErr;
    if (file->writable) {
        UpdateResFile(refNum);
        err = gResErr;
    }
    DisposeLoadedHandles(file);
    if (gCurrentFile == refNum) gCurrentFile = at + 1 < gChain.size() ? gChain[at + 1]->refNum : 0;
    gChain.erase(gChain.begin() + long(at));
    if (gCurrentFile == 0 && !gChain.empty()) gCurrentFile = gChain.front()->refNum;
    gResErr = err;
}

void UseResFile(ResFileRefNum refNum) {
    if (!FileOf(refNum)) {
        gResErr = resFNotFound;
        return;
    }
    gCurrentFile = refNum;
    gResErr = noErr;
}

ResFileRefNum CurResFile() {
    gResErr = noErr;
    return gCurrentFile;
}

ResFileRefNum HomeResFile(Handle resource) {
    ResourceSlot* slot = SlotOf(resource);
    if (!slot) {
        gResErr = resNotFound;
        return -1;
    }
    gResErr = noErr;
    return slot->file->refNum;
}

Handle GetResource(ResType type, ResID id) {
    ResourceSlot* found = nullptr;
    ForChain([&](ResFile* f) { return (found = FindById(f, type, id)) != nullptr; });
    return Found(found);
}

Handle Get1Resource(ResType type, ResID id) {
    ResFile* file = FileOf(gCurrentFile);
    return Found(file ? FindById(file, type, id) : nullptr);
}

Handle GetIndResource(ResType type, SInt16 index) {
    ResourceSlot* found = nullptr;
    if (index >= 1) {
        SInt32 remaining = index;
        ForChain([&](ResFile* f) {
            const TypeIndex* t = f->Find(type);
            SInt32 n = t ? SInt32(t->slots.size()) : 0;
            if (remaining <= n) {
                found = t->slots[size_t(remaining - 1)];
                return true;
            }
            remaining -= n;
            return false;
        });
    }
    return Found(found);
}

Handle Get1IndResource(ResType type, SInt16 index) {
    ResFile* file = FileOf(gCurrentFile);
    const TypeIndex* t = file ? file->Find(type) : nullptr;
    if (!t || index < 1 || size_t(index) > t->slots.size()) return Found(nullptr);
    return Found(t->slots[size_t(index - 1)]);
}

Handle GetNamedResource(ResType type, ConstStr255Param name) {
    ResourceSlot* found = nullptr;
    ForChain([&](ResFile* f) { return (found = FindByName(f, type, PStringView(name))) != nullptr; });
    return Found(found);
}

Handle Get1NamedResource(ResType type, ConstStr255Param name) {
    ResFile* file = FileOf(gCurrentFile);
    return Found(file ? FindByName(file, type, PStringView(name)) : nullptr);
}

SInt16 CountResources(ResType type) {
    SInt32 total = 0;
    ForChain([&](ResFile* f) {
        total += CountIn(f, type);
        return false;
    });
    gResErr = noErr;
    return SInt16(std::min<SInt32>(total, 0x7FFF));
}

SInt16 Count1Resources(ResType type) {
    ResFile* file = FileOf(gCurrentFile);
    gResErr = noErr;
    return file ? CountIn(file, type) : 0;
}

namespace {

std::vector<ResType> ChainTypes() {
    std::vector<ResType> types;
    ForChain([&](ResFile* f) {
        if (f->indexStale) f->Reindex();
        for (const TypeIndex& t : f->types)
            if (std::find(types.begin(), types.end(), t.type) == types.end()) types.push_back(t.type);
        return false;
    });
    return types;
}

std::vector<ResType> CurrentFileTypes() {
    std::vector<ResType> types;
    if (ResFile* file = FileOf(gCurrentFile)) {
        if (file->indexStale) file->Reindex();
        for (const TypeIndex& t : file->types)
            types.push_back(t.type);
    }
    return types;
}

void PickType(const std::vector<ResType>& types, ResType* type, SInt16 index) {
    if (index < 1 || size_t(index) > types.size()) {
        if (type) *type = 0;
        gResErr = resNotFound;
        return;
    }
    if (type) *type = types[size_t(index - 1)];
    gResErr = noErr;
}

} // namespace

SInt16 CountTypes() {
    gResErr = noErr;
    return SInt16(ChainTypes().size());
}

SInt16 Count1Types() {
    gResErr = noErr;
    return SInt16(CurrentFileTypes().size());
}

void GetIndType(ResType* type, SInt16 index) {
    PickType(ChainTypes(), type, index);
}
void Get1IndType(ResType* type, SInt16 index) {
    PickType(CurrentFileTypes(), type, index);
}

void LoadResource(Handle resource) {
    gResErr = SlotOf(resource) ? noErr : resNotFound;
}

void ReleaseResource(Handle resource) {
    ResourceSlot* slot = SlotOf(resource);
    if (!slot) {
        gResErr = resNotFound;
        return;
    }
    KeepAddedBytes(slot);
    BlockOf(resource)->resource = nullptr;
    slot->handle = nullptr;
    DisposeHandle(resource);
    gResErr = noErr;
}

void DetachResource(Handle resource) {
    ResourceSlot* slot = SlotOf(resource);
    if (!slot) {
        gResErr = resNotFound;
        return;
    }
    if (slot->attributes & resChanged) {
        gResErr = resAttrErr;
        return;
    }
    KeepAddedBytes(slot);
    BlockOf(resource)->resource = nullptr;
    slot->handle = nullptr;
    gResErr = noErr;
}

void AddResource(Handle data, ResType type, ResID id, ConstStr255Param name) {
    ResFile* file = FileOf(gCurrentFile);
    if (!data || SlotOf(data) || !file) {
        gResErr = addResFailed;
        return;
    }
    if (!MayChange(file, addResFailed)) return;
    auto slot = std::make_unique<ResourceSlot>();
    slot->file = file;
    slot->type = type;
    slot->id = id;
    slot->hasName = name && name[0] > 0;
    if (slot->hasName) slot->name = std::string(PStringView(name));
    slot->attributes = resChanged;
    slot->added = true;
    slot->handle = data;
    BlockOf(data)->resource = slot.get();
    // A new resource goes before the others of its type, so it is the one found first.
    auto at = std::find_if(file->slots.begin(), file->slots.end(),
                           [&](const std::unique_ptr<ResourceSlot>& s) { return s->type == type; });
    file->slots.insert(at, std::move(slot));
    file->indexStale = true;
    file->dirty = true;
    gResErr = noErr;
}

void RemoveResource(Handle resource) {
    ResourceSlot* slot = SlotOf(resource);
    if (!slot) {
        gResErr = rmvResFailed;
        return;
    }
    ResFile* file = slot->file;
    if (!MayChange(file, rmvResFailed)) return;
    if (slot->attributes & resProtected) {
        gResErr = rmvResFailed;
        return;
    }
    BlockOf(resource)->resource = nullptr;
    file->slots.erase(std::find_if(file->slots.begin(), file->slots.end(),
                                   [&](const std::unique_ptr<ResourceSlot>& s) { return s.get() == slot; }));
    file->indexStale = true;
    file->dirty = true;
    gResErr = noErr;
}

void ChangedResource(Handle resource) {
    ResourceSlot* slot = SlotOf(resource);
    if (!slot) {
        gResErr = resNotFound;
        return;
    }
    if (!MayChange(slot->file, wrPermErr)) return;
    if (slot->attributes & resProtected) {
        gResErr = resAttrErr;
        return;
    }
    slot->attributes |= resChanged;
    gResErr = noErr;
}

void WriteResource(Handle resource) {
    ResourceSlot* slot = SlotOf(resource);
    if (!slot) {
        gResErr = resNotFound;
        return;
    }
    if (!WritesHandle(*slot)) {
        gResErr = noErr;
        return;
    }
    if (!MayChange(slot->file, wrPermErr)) return;
    const auto* p = reinterpret_cast<const UInt8*>(*resource);
    slot->pending.assign(p, p + GetHandleSize(resource));
    slot->hasPending = true;
    slot->attributes &= UInt8(~resChanged);
    slot->file->dirty = true;
    gResErr = noErr;
}

void GetResInfo(Handle resource, ResID* id, ResType* type, StringPtr name) {
    ResourceSlot* slot = SlotOf(resource);
    if (!slot) {
        gResErr = resNotFound;
        return;
    }
    if (id) *id = slot->id;
    if (type) *type = slot->type;
    if (name) SetPString(name, slot->hasName ? std::string_view(slot->name) : std::string_view());
    gResErr = noErr;
}

void SetResInfo(Handle resource, ResID id, ConstStr255Param name) {
    ResourceSlot* slot = SlotOf(resource);
    if (!slot) {
        gResErr = resNotFound;
        return;
    }
    if (!MayChange(slot->file, wrPermErr)) return;
    if (slot->attributes & resProtected) {
        gResErr = resAttrErr;
        return;
    }
    slot->id = id;
    if (name) {
        slot->hasName = name[0] > 0;
        slot->name = std::string(PStringView(name));
    }
    slot->file->indexStale = true;
    slot->file->dirty = true;
    gResErr = noErr;
}

SInt16 GetResAttrs(Handle resource) {
    ResourceSlot* slot = SlotOf(resource);
    gResErr = slot ? noErr : resNotFound;
    return slot ? slot->attributes : 0;
}

void SetResAttrs(Handle resource, SInt16 attributes) {
    ResourceSlot* slot = SlotOf(resource);
    if (!slot) {
        gResErr = resNotFound;
        return;
    }
    slot->attributes = UInt8(attributes);
    slot->file->dirty = true;
    gResErr = noErr;
}

namespace {

ResID FirstFreeId(ResType type, bool wholeChain) {
    for (SInt32 id = 128; id <= 0x7FFF; ++id) {
        bool used = false;
        auto check = [&](ResFile* f) { return used = FindById(f, type, ResID(id)) != nullptr; };
        if (wholeChain)
            ForChain(check);
        else if (ResFile* f = FileOf(gCurrentFile))
            check(f);
        if (!used) {
            gResErr = noErr;
            return ResID(id);
        }
    }
    gResErr = addResFailed;
    return 0;
}

} // namespace

ResID UniqueID(ResType type) {
    return FirstFreeId(type, true);
}
ResID Unique1ID(ResType type) {
    return FirstFreeId(type, false);
}
