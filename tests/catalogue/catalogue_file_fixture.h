// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <variant>

#include "catalogue/catalogue_file.h"
#include "scratch_folder.h"

namespace calquin::catalogue {

// A catalogue file of the test's own, and the fault loading it gave.
class CatalogueFile : public ScratchFolder {
protected:
    std::filesystem::path write(const std::string& bytes) {
        std::ofstream(path(), std::ios::binary) << bytes;
        return path();
    }

    CatalogueFault faultOf(const std::filesystem::path& path) {
        auto result = loadCatalogueFile(path.string());
        EXPECT_TRUE(std::holds_alternative<CatalogueFault>(result));
        return std::get<CatalogueFault>(result);
    }
};

// What the fault says was wrong, with the system's own words where it gave any.
inline std::string said(const CatalogueFault& fault) {
    return std::string(fault.error.what.english) + ": " + fault.error.detail;
}

}  // namespace calquin::catalogue
