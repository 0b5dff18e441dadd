// A small reader of the DXF text the writer produces, so that tests check
// what a drawing holds rather than how it was produced.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quadrel::testing {

struct DxfGroup {
    int Code = 0;
    std::string Value;
};

struct DxfEntity {
    std::string Type;  // "TEXT", "LINE" or "POLYLINE"
    std::vector<DxfGroup> Groups;
    std::vector<DxfEntity> Vertices;  // POLYLINE only
    std::size_t CommentsBefore = 0;   // the comments met before this entity

    // The value of the first group with this code; a test failure when absent.
    std::string Value(int code) const;
    double Number(int code) const;
    std::string Layer() const { return Value(8); }
};

struct DxfFile {
    std::vector<DxfGroup> Groups;       // every group, in file order
    std::vector<std::string> Sections;  // section names, in order
    std::vector<std::string> Comments;  // 999 texts, in order
    std::vector<DxfEntity> Entities;    // in file order

    // The entities of a type ("" for any) on a layer.
    std::vector<DxfEntity> OfType(std::string_view type, std::string_view layer) const;
    std::vector<DxfEntity> OnLayer(std::string_view layer) const { return OfType("", layer); }
    // The texts of the TEXT entities on a layer, in order.
    std::vector<std::string> Texts(std::string_view layer) const;
    // The header variable's groups (10/20 or 1/3) as raw texts.
    std::vector<std::string> HeaderValues(std::string_view variable) const;
};

// Parses DXF text written with CR LF line ends. Structural faults (a line
// end other than CR LF, a group code that is no number, an entity outside
// ENTITIES, a vertex outside a polyline, a missing EOF) are test failures.
DxfFile ParseDxf(std::string_view text);
DxfFile ReadDxfFile(const std::string& path);

}  // namespace quadrel::testing
