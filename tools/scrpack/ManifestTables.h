// The package tables of a checked manifest's show. Media are taken from their files when the
// package is written, never read whole into memory.
//
//   std::vector<std::string> errors;
//   ShowManifest show = ReadManifest("demo/show.json", errors);
//   if (errors.empty()) AppendPackage("player.scr", ManifestTables(show), "demo.scr");
#pragma once

#include "Manifest.h"
#include "PackageWriter.h"

#include <vector>

// `imageLibrary` is carried as the runtime library when the manifest names none (empty: none).
// Raises std::runtime_error when a file cannot be read.
std::vector<PackageTable> ManifestTables(const ShowManifest& show, const std::string& imageLibrary = {});

// How many files the tables take from disk, for the progress line.
std::size_t EmbeddedFileCount(const ShowManifest& show, const std::string& imageLibrary = {});
