#include "file/workbook_container.h"

#include <zlib.h>

#include <cstdint>
#include <cstring>

namespace sheet {

namespace {

uint32_t le16(std::string_view b, size_t at) {
    return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8;
}
uint32_t le32(std::string_view b, size_t at) { return le16(b, at) | le16(b, at + 2) << 16; }

const char* kTooLarge = "the workbook unpacks to more than 1 GiB";

// Inflates raw deflate data (windowBits -15) or a gzip stream (31), counting the output
// without keeping it; false when it passes `budget` bytes or the data are damaged.
bool inflateCounting(std::string_view in, int windowBits, size_t& budget, bool& damaged) {
    z_stream z{};
    if (inflateInit2(&z, windowBits) != Z_OK) {
        damaged = true;
        return false;
    }
    static thread_local unsigned char out[1 << 16];
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = static_cast<uInt>(in.size());
    int rc = Z_OK;
    while (rc == Z_OK) {
        z.next_out = out;
        z.avail_out = sizeof out;
        rc = inflate(&z, Z_NO_FLUSH);
        size_t produced = sizeof out - z.avail_out;
        if (produced > budget) {
            inflateEnd(&z);
            return false;
        }
        budget -= produced;
        if (rc == Z_BUF_ERROR && z.avail_in == 0) break;  // input ends without the stream's end
    }
    inflateEnd(&z);
    if (rc != Z_STREAM_END) damaged = true;
    return true;
}

}  // namespace

std::string zipArchiveProblem(std::string_view bytes, bool openDocument) {
    if (bytes.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
        // An encrypted workbook of the common format is a compound file holding the encryption
        // information and the encrypted package; any other compound file is the older binary
        // format.
        static const char kInfo[] = "E\0n\0c\0r\0y\0p\0t\0i\0o\0n\0I\0n\0f\0o\0";
        if (bytes.find(std::string_view(kInfo, sizeof kInfo - 1)) != std::string_view::npos)
            return "the workbook is encrypted or password-protected";
        return "the file is in the older binary workbook format, which is not read";
    }
    if (!bytes.starts_with("PK\x03\x04")) return "the file is not a workbook (no zip archive)";
    // The end record of the central directory, searched from the end (a comment may follow it).
    if (bytes.size() < 22) return "the workbook is damaged or cut short";
    size_t end = std::string_view::npos;
    size_t lowest = bytes.size() > 22 + 65535 ? bytes.size() - 22 - 65535 : 0;
    for (size_t at = bytes.size() - 22 + 1; at-- > lowest;) {
        if (std::memcmp(bytes.data() + at, "PK\x05\x06", 4) == 0) {
            end = at;
            break;
        }
    }
    if (end == std::string_view::npos) return "the workbook is damaged or cut short";
    const uint32_t entries = le16(bytes, end + 10);
    const uint32_t dirSize = le32(bytes, end + 12), dirStart = le32(bytes, end + 16);
    if (entries == 0xFFFF || dirStart == 0xFFFFFFFFu || uint64_t{dirStart} + dirSize > end)
        return "the workbook is damaged or cut short";
    size_t budget = kMaxUnpackedBytes;
    size_t at = dirStart;
    for (uint32_t i = 0; i < entries; ++i) {
        if (at + 46 > end || std::memcmp(bytes.data() + at, "PK\x01\x02", 4) != 0)
            return "the workbook is damaged (its directory is broken)";
        const uint32_t flags = le16(bytes, at + 8), method = le16(bytes, at + 10);
        const uint32_t packed = le32(bytes, at + 20), unpacked = le32(bytes, at + 24);
        const uint32_t nameLen = le16(bytes, at + 28), extraLen = le16(bytes, at + 30),
                       commentLen = le16(bytes, at + 32), local = le32(bytes, at + 42);
        std::string_view name = bytes.substr(at + 46, std::min<size_t>(nameLen, end - at - 46));
        at += 46 + nameLen + extraLen + commentLen;
        if (flags & 1) return "the workbook is encrypted or password-protected";
        if (unpacked > budget || packed == 0xFFFFFFFFu) return kTooLarge;
        if (uint64_t{local} + 30 > bytes.size() || std::memcmp(bytes.data() + local, "PK\x03\x04", 4) != 0)
            return "the workbook is damaged or cut short";
        const size_t dataAt = local + 30 + le16(bytes, local + 26) + le16(bytes, local + 28);
        if (dataAt + uint64_t{packed} > bytes.size()) return "the workbook is damaged or cut short";
        std::string_view data = bytes.substr(dataAt, packed);
        if (openDocument && name == "META-INF/manifest.xml" && method == 0 &&
            data.find("encryption-data") != std::string_view::npos)
            return "the workbook is encrypted or password-protected";
        if (method == 0) {
            if (packed > budget) return kTooLarge;
            budget -= packed;
            continue;
        }
        if (method != 8) return "the workbook uses a compression method that is not read";
        bool damaged = false;
        size_t before = budget;
        if (!inflateCounting(data, -15, budget, damaged)) return kTooLarge;
        if (damaged) return "the workbook is damaged (a part does not unpack)";
        if (before - budget != unpacked) return "the workbook is damaged (a part's size is wrong)";
        if (openDocument && name == "META-INF/manifest.xml") {
            // Small: unpacked again to look for the encryption entries.
            std::string xml(unpacked, '\0');
            uLongf len = unpacked;
            z_stream z{};
            inflateInit2(&z, -15);
            z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
            z.avail_in = static_cast<uInt>(data.size());
            z.next_out = reinterpret_cast<Bytef*>(xml.data());
            z.avail_out = static_cast<uInt>(len);
            inflate(&z, Z_FINISH);
            inflateEnd(&z);
            if (xml.find("encryption-data") != std::string::npos)
                return "the workbook is encrypted or password-protected";
        }
    }
    return {};
}

std::string gzipStreamProblem(std::string_view bytes) {
    if (!bytes.starts_with("\x1F\x8B")) return {};  // plain XML
    size_t budget = kMaxUnpackedBytes;
    bool damaged = false;
    if (!inflateCounting(bytes, 31, budget, damaged)) return kTooLarge;
    if (damaged) return "the workbook is damaged or cut short";
    return {};
}

}  // namespace sheet
