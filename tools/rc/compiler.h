// Compiles resource sources (.rdef) into the entries of a resource file. Errors are collected as
// "FILE:LINE: message" lines; a source with errors contributes none of its faulty resources.
#pragma once

#include "platform/resource_format.h"
#include "rc/number_names.h"

#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct CompiledResources {
    ResourceForkContents contents; // each entry's data points into `storage`
    std::deque<std::vector<UInt8>> storage;
    std::vector<std::string> errors;
    // Where each (type, ID) was defined, "FILE:LINE", for the duplicate check across sources.
    std::map<std::pair<ResType, ResID>, std::string> definedAt;
    // The names given to resource IDs and item numbers, each name once across all sources.
    std::vector<NumberName> names;

    CompiledResources() = default;
    CompiledResources(const CompiledResources&) = delete;
    CompiledResources& operator=(const CompiledResources&) = delete;
    CompiledResources(CompiledResources&&) = default;
    CompiledResources& operator=(CompiledResources&&) = default;
};

// Compiles one source's text. `path` names it in messages, and files it refers to are found relative to
// the folder `path` is in.
void CompileResourceSource(const std::string& path, std::string_view text, CompiledResources& out);

// Reads and compiles each file in order.
void CompileResourceFiles(const std::vector<std::string>& paths, CompiledResources& out);

size_t CountResourceTypes(const ResourceForkContents& contents);
