// The options `DruOT`, `DruLT` and `DruPT`: they find the asset and the
// document its letter names and hand both to the document output that the
// program installs (the viewer in the desktop).
#pragma once

#include <functional>
#include <string>

#include "operations/asset_documents.h"

namespace zefir::operations {

struct DocumentRequest {
  const AssetRecord* asset = nullptr;
  SelectedDocument document;
  std::string baseFolder;
  std::string outputCode = "p";  // "p" the viewer; else the copies to print at once
};

using DocumentOutput = std::function<Status(const DocumentRequest&)>;

// Where the documents go; empty until the program installs one.
DocumentOutput& documentOutput();

// Registers the three options' operations with the option catalogue.
void registerDocumentOperations();

}  // namespace zefir::operations
