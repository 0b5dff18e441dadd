#include "support/dxf_reader.h"

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <sstream>

namespace quadrel::testing {
namespace {

template <typename Number>
Number Parsed(const std::string& text, const char* what) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        ADD_FAILURE() << what << " is no number: '" << text << "'";
    }
    return value;
}

}  // namespace

std::string DxfEntity::Value(int code) const {
    for (const auto& group : Groups) {
        if (group.Code == code) return group.Value;
    }
    ADD_FAILURE() << Type << " entity has no group " << code;
    return {};
}

double DxfEntity::Number(int code) const {
    return Parsed<double>(Value(code), "a group value");
}

std::vector<DxfEntity> DxfFile::OfType(std::string_view type, std::string_view layer) const {
    std::vector<DxfEntity> found;
    for (const auto& entity : Entities) {
        if ((type.empty() || entity.Type == type) && entity.Layer() == layer)
            found.push_back(entity);
    }
    return found;
}

std::vector<std::string> DxfFile::Texts(std::string_view layer) const {
    std::vector<std::string> texts;
    for (const auto& entity : OfType("TEXT", layer)) texts.push_back(entity.Value(1));
    return texts;
}

std::vector<std::string> DxfFile::HeaderValues(std::string_view variable) const {
    std::vector<std::string> values;
    bool inVariable = false;
    for (const auto& group : Groups) {
        if (group.Code == 9 || group.Code == 0) {
            if (inVariable) break;
            inVariable = group.Code == 9 && group.Value == variable;
        } else if (inVariable) {
            values.push_back(group.Value);
        }
    }
    return values;
}

DxfFile ParseDxf(std::string_view text) {
    DxfFile file;
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
        end = text.find("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        if (lines.back().find('\n') != std::string::npos || end == text.size()) {
            ADD_FAILURE() << "line " << lines.size() << " does not end with CR LF";
        }
    }
    if (lines.size() % 2 != 0) ADD_FAILURE() << "an odd number of lines: " << lines.size();
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        file.Groups.push_back({Parsed<int>(lines[i], "a group code"), lines[i + 1]});
    }
    std::string section;
    bool sawEof = false;
    for (const DxfGroup& group : file.Groups) {
        if (group.Code == 999) file.Comments.push_back(group.Value);
        if (sawEof) ADD_FAILURE() << "groups after EOF";
        if (group.Code == 2 && section == "?") section = file.Sections.emplace_back(group.Value);
        if (group.Code != 0) {
            // The entity's groups end at the next comment or entity.
            if (!file.Entities.empty() && group.Code != 999 && section == "ENTITIES") {
                DxfEntity& entity = file.Entities.back();
                (entity.Vertices.empty() ? entity : entity.Vertices.back()).Groups.push_back(group);
            }
            continue;
        }
        if (group.Value == "SECTION" || group.Value == "ENDSEC" || group.Value == "EOF") {
            if ((group.Value == "ENDSEC") == section.empty())
                ADD_FAILURE() << group.Value << " in '" << section << "'";
            section = group.Value == "SECTION" ? "?" : "";
            sawEof = group.Value == "EOF";
        } else if (section != "ENTITIES") {
            if (section != "TABLES") ADD_FAILURE() << group.Value << " outside ENTITIES";
        } else if (group.Value == "VERTEX") {
            if (file.Entities.empty() || file.Entities.back().Type != "POLYLINE")
                ADD_FAILURE() << "VERTEX without a POLYLINE";
            else
                file.Entities.back().Vertices.push_back({"VERTEX", {}, {}, file.Comments.size()});
        } else if (group.Value != "SEQEND") {
            file.Entities.push_back({group.Value, {}, {}, file.Comments.size()});
        }
    }
    if (!sawEof) ADD_FAILURE() << "no EOF";
    return file;
}

DxfFile ReadDxfFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) ADD_FAILURE() << "cannot open " << path;
    std::ostringstream content;
    content << in.rdbuf();
    return ParseDxf(content.str());
}

}  // namespace quadrel::testing
