// Support of the fuzz targets: a scratch folder for the files a target hands
// to the game, and the check of an invariant that must hold after a run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "support/dialogue.h"

namespace tf::fuzz {

// The tests' temporary folder, made at the first call and removed when the
// process ends normally. Every input of a target writes the same few names
// into it, so its size stays that of one input however long the run.
const test::TempDir& scratch();
inline const std::filesystem::path& scratch_dir() { return scratch().path(); }

// Writes `size` bytes as the file `name` of the scratch folder.
void write_file(const std::string& name, const std::uint8_t* data, std::size_t size);
void write_file(const std::string& name, const std::string& bytes);

// Ends the process with `what` on standard error (a finding) unless `holds`.
void require(bool holds, const char* what);

}  // namespace tf::fuzz
