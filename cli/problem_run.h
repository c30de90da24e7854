#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "runner_options.h"

// The absolute names of the four files of one run.
struct RunFileNames {
  std::filesystem::path input;
  std::filesystem::path report;
  std::filesystem::path plot;
  std::filesystem::path message;
};

// The file names the options ask for: the outputs default to the problem's name with the
// extensions .out, .plt and .msg. Nothing when a name cannot be passed to the engine.
std::optional<RunFileNames> resolveFileNames(const RunnerOptions& options, std::string& error);

// Writes names.dat into a private temporary folder, calls the engine there, then restores
// the current directory and removes the folder. Nothing when the folder cannot be used.
std::optional<std::int32_t> runInPrivateDirectory(const RunnerOptions& options,
                                                  const RunFileNames& names, std::string& error);

// Calls the engine with directory as the current directory, on the names.dat found there.
std::optional<std::int32_t> runInDirectory(const std::filesystem::path& directory,
                                           std::string& error);
