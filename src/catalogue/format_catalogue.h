#pragma once

#include <memory>
#include <vector>

#include "catalogue/output_format.h"

namespace velmora::catalogue {

// Every output format in display order. The list owns its records; each lives on
// the heap, so a pointer to it stays valid for as long as the list holds it.
using FormatCatalogue = std::vector<std::unique_ptr<OutputFormat>>;

// Appends the 79 formats, each at its defaults, to an empty catalogue in four
// blocks: video formats, device presets, image sequences, audio formats.
void buildCatalogue(FormatCatalogue& catalogue);

// Frees every record and empties the list.
void destroyCatalogue(FormatCatalogue& catalogue);

// The first record with the id, or null.
OutputFormat* findFormat(const FormatCatalogue& catalogue, int id);

}  // namespace velmora::catalogue
