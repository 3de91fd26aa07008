#pragma once
// DSTV point groups: the points that the package's DSTV output marks on plates (weld points,
// drill points...), kept in named groups, one file per group, with one group the standard one.
//
// The groups live in the library folder's "DSTV Points\" folder, a group named "Weld" in
// "DSTV Points\Weld.dat".  The standard group is remembered across sessions in that folder's
// "standard.txt" (one line: the group's file name), so that it travels with the library.
//
// The group file ("*.dat") is text in code page 1252, lines ending in "\r\n":
//
//   KvDstvPoints<TAB>1<TAB>count
//   one line per point, in order, its 13 values separated by tabs:
//     name (escaped: \\ \t \n \r \xHH), selectGeomExtent, sideSelection1, sideSelection2,
//     selectIntersGeom, selectIntersMid, intersStartDir, viewPlateSelection,
//     markPlateSelection, minPlateSideDist, drillFullHole, radiusThicknessBased, drillRadius
//
// Flags are 0 or 1; sides and the two plate choices are decimal integers, kept as given also
// outside their lists (the two choices within -32768..32767); the distances are the shortest
// decimal that reads back to the same double ("inf", "-inf", NaN as "nan:" and 16 hex
// digits).  A file without any line (as a new group is written) is a group without points.
// Reading fails on another header or version, a count that differs from the point lines, a
// line with another number of values, or a value that is not what its place holds; a failed
// read changes nothing.  Files are written whole or not at all.

#include <cstdint>
#include <string>

#include <nlohmann/json_fwd.hpp>

#include "core/kv_array.h"
#include "core/kv_string.h"
#include "core/kv_string_array.h"

// The sides of a plate as the point methods name them: 0 and 1 form one half of the list,
// 2 and 3 the other.
enum TwDstvPointSideSelection : int {
    kDstvSideFront = 0,
    kDstvSideBack = 1,
    kDstvSideTop = 2,
    kDstvSideBottom = 3,
};

// One point definition: how the point is found on a plate (the extent of the geometry between
// two sides, or the intersection of geometry from a start direction), on which plate it is
// viewed and marked, and whether it is drilled.
class Kv_DstvPointInfo {
public:
    // The defaults of a new point: found by the extent between sides 0 and 2.
    Kv_DstvPointInfo();
    explicit Kv_DstvPointInfo(const Kv_String& name);
    Kv_DstvPointInfo(const Kv_DstvPointInfo& other);
    Kv_DstvPointInfo& operator=(const Kv_DstvPointInfo& other);
    virtual ~Kv_DstvPointInfo();

    // Doubles compare bit for bit, so that a NaN read back equals the NaN written.
    friend bool operator==(const Kv_DstvPointInfo& a, const Kv_DstvPointInfo& b);

    const Kv_String& name() const { return name_; }
    bool selectGeomExtent() const { return selectGeomExtent_; }
    TwDstvPointSideSelection sideSelection1() const { return sideSelection1_; }
    TwDstvPointSideSelection sideSelection2() const { return sideSelection2_; }
    bool selectIntersGeom() const { return selectIntersGeom_; }
    bool selectIntersMid() const { return selectIntersMid_; }
    TwDstvPointSideSelection intersStartDir() const { return intersStartDir_; }
    std::int16_t viewPlateSelection() const { return viewPlateSelection_; }
    std::int16_t markPlateSelection() const { return markPlateSelection_; }
    double minPlateSideDist() const { return minPlateSideDist_; }
    bool drillFullHole() const { return drillFullHole_; }
    bool radiusThicknessBased() const { return radiusThicknessBased_; }
    double drillRadius() const { return drillRadius_; }

    void setName(const Kv_String& name) { name_ = name; }
    void setSelectGeomExtent(bool selectGeomExtent, TwDstvPointSideSelection side1, TwDstvPointSideSelection side2);
    void setSelectIntersGeom(bool selectIntersGeom, bool selectIntersMid, TwDstvPointSideSelection startDir);
    void setPlateSelection(std::int16_t viewPlateSelection, std::int16_t markPlateSelection, double minPlateSideDist);
    void setDrillFullHole(bool drillFullHole, bool radiusThicknessBased, double drillRadius);

private:
    Kv_String name_;
    bool selectGeomExtent_ = true;
    TwDstvPointSideSelection sideSelection1_ = kDstvSideFront;
    TwDstvPointSideSelection sideSelection2_ = kDstvSideTop;
    bool selectIntersGeom_ = false;
    bool selectIntersMid_ = true;
    TwDstvPointSideSelection intersStartDir_ = kDstvSideFront;
    std::int16_t viewPlateSelection_ = 0;
    std::int16_t markPlateSelection_ = 0;
    double minPlateSideDist_ = 50.0;
    bool drillFullHole_ = false;
    bool radiusThicknessBased_ = false;
    double drillRadius_ = 16.0;
};

using Kv_DstvPointArray = Kv_Array<Kv_DstvPointInfo>;

// The group file's lines for these points, and the points of a group file's lines.  Reading
// fails (points unchanged) with the reason as described above.
Kv_StringArray dstvPointLines(const Kv_DstvPointArray& points);
bool readDstvPointLines(const Kv_StringArray& lines, Kv_DstvPointArray& points, std::string& reason);

class DlgDstvPoints {
public:
    // The folder of the group files: the library folder's "DSTV Points\".
    static Kv_String getDstvPointsFolder();
    // The group names (file names without ".dat"), in byte order; false without the folder.
    static bool getAllDstvPointsFiles(Kv_StringArray& names);
    // The standard group's file name ("Weld.dat"); empty when none was chosen.
    static Kv_String getStandardDstvPointsFile();
    // Makes the group of that name (with or without ".dat") the standard one; false when it
    // cannot be remembered.
    static bool setStandardDstvPointsFile(const Kv_String& name);
    // The points of the group of that name; false (points unchanged) when its file is missing
    // or cannot be read.
    static bool readFromFile(const Kv_String& name, Kv_DstvPointArray& points);
    // Writes the group of that name whole; false (the file as it was) when it cannot.
    static bool writeToFile(const Kv_String& name, const Kv_DstvPointArray& points);

    static constexpr const char* kFolderName = "DSTV Points\\";
    static constexpr const char* kExtension = ".dat";
    static constexpr const char* kStandardFileName = "standard.txt";
};

// {"name", "selectGeomExtent", "sideSelection1", ...} (the values by name); reading checks each
// member's type and range and refuses unknown members; absent members keep the defaults.
void to_json(nlohmann::json& out, const Kv_DstvPointInfo& point);
void from_json(const nlohmann::json& in, Kv_DstvPointInfo& point);
