// orvalis-rc: compiles resource sources into the application's resource file, and with --header writes the
// names the sources give resource IDs and item numbers as a C++ header.
//   orvalis-rc -o OUTPUT.rsrc [--header NAMES.h] SOURCE.rdef...
#include "platform/file_io.h"
#include "platform/resource_format.h"
#include "rc/compiler.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage = "usage: orvalis-rc -o OUTPUT.rsrc SOURCE.rdef... [--header NAMES.h]\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    std::string outputPath;
    std::string headerPath;
    std::vector<std::string> sources;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "-o" && i + 1 < argc) {
            outputPath = argv[++i];
        } else if (arg == "--header" && i + 1 < argc) {
            headerPath = argv[++i];
        } else if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (!arg.empty() && arg[0] == '-') {
            std::fprintf(stderr, "orvalis-rc: unknown option %s\n%s", arg.c_str(), kUsage);
            return 2;
        } else {
            sources.push_back(arg);
        }
    }
    if (outputPath.empty() || sources.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    CompiledResources compiled;
    CompileResourceFiles(sources, compiled);
    if (!compiled.errors.empty()) {
        for (const std::string& error : compiled.errors)
            std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }

    std::vector<UInt8> bytes;
    OSErr err = SerializeResourceFork(compiled.contents, bytes);
    if (err == addResFailed)
        return Fail("orvalis-rc: the resources' data passes the file format's 16 MiB limit");
    if (err != noErr)
        return Fail("orvalis-rc: cannot lay out the resource file (error " + std::to_string(err) + ")");

    // The build names an output folder that may not exist yet.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(outputPath).parent_path(), ignored);
    if (OSErr err = WriteFileAtomically(outputPath, bytes))
        return Fail("orvalis-rc: cannot write " + outputPath + ": " + DescribeFileError(err));
    if (!headerPath.empty()) {
        const std::string header = NumberNamesHeader(compiled.names);
        // Rewritten only when the names change, so that what includes it is not rebuilt for nothing.
        std::vector<UInt8> old;
        if (ReadWholeFile(headerPath, old) != noErr || std::string(old.begin(), old.end()) != header) {
            std::filesystem::create_directories(std::filesystem::path(headerPath).parent_path(), ignored);
            if (OSErr err = WriteFileAtomically(headerPath, std::vector<UInt8>(header.begin(), header.end())))
                return Fail("orvalis-rc: cannot write " + headerPath + ": " + DescribeFileError(err));
        }
    }
    std::printf("orvalis-rc: %zu resources (%zu types) -> %s\n", compiled.contents.entries.size(),
                CountResourceTypes(compiled.contents), outputPath.c_str());
    return 0;
}
