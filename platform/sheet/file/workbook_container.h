// Checks of a workbook's container before liborcus unpacks it: what a zip archive or a gzip
// stream would unpack to is bounded (a small file must not unpack to gigabytes), and an
// encrypted or password-protected workbook is told apart from a damaged one.
#pragma once

#include <string>
#include <string_view>

namespace sheet {

// What one workbook may unpack to, all its parts together.
constexpr size_t kMaxUnpackedBytes = size_t{1} << 30;

// The reason the zip archive of an .xlsx or .ods workbook is refused; empty when it may be
// read.  The sizes are those the archive's directory declares; the unpacking itself stops at
// the declared size of each part.
std::string zipArchiveProblem(std::string_view bytes, bool openDocument);
// The same for a gzip stream (.gnumeric): it is inflated once, counting, up to the limit.
std::string gzipStreamProblem(std::string_view bytes);

}  // namespace sheet
