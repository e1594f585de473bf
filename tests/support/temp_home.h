// A test's own home folder: HOME points at a fresh folder and the XDG base-directory variables are unset,
// so every folder the program derives from them lies inside it; all is restored after the test.
#pragma once

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TempHome {
  public:
    TempHome() {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        ::setenv("HOME", home_.path().c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("XDG_DATA_HOME");
    }
    ~TempHome() {
        for (const auto& [name, value] : saved_) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::string& path() const { return home_.path(); }
    // home + relative, made with the folders above it; returned with a trailing '/'.
    std::string MakeFolder(const std::string& relative) const {
        std::filesystem::create_directories(home_.path() + "/" + relative);
        return home_.path() + "/" + relative + "/";
    }
    void WriteFile(const std::string& relative, const std::string& bytes) const {
        const std::filesystem::path p = home_.path() + "/" + relative;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }

  private:
    TempDir home_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};
