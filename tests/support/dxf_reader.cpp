#include "support/dxf_reader.h"

#include <charconv>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace quadrel::testing {
namespace {

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        if (end == std::string_view::npos) {
            ADD_FAILURE() << "DXF text does not end with a line end";
            lines.emplace_back(text.substr(start));
            break;
        }
        if (end == start || text[end - 1] != '\r') {
            ADD_FAILURE() << "line " << lines.size() + 1 << " does not end with CR LF";
            lines.emplace_back(text.substr(start, end - start));
        } else {
            lines.emplace_back(text.substr(start, end - 1 - start));
        }
        start = end + 1;
    }
    return lines;
}

std::vector<DxfGroup> Pairs(const std::vector<std::string>& lines) {
    if (lines.size() % 2 != 0) ADD_FAILURE() << "odd number of DXF lines: " << lines.size();
    std::vector<DxfGroup> groups;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        DxfGroup group;
        const auto& code = lines[i];
        const auto result = std::from_chars(code.data(), code.data() + code.size(), group.Code);
        if (code.empty() || result.ec != std::errc() || result.ptr != code.data() + code.size()) {
            ADD_FAILURE() << "group code '" << code << "' on line " << i + 1 << " is no number";
        }
        group.Value = lines[i + 1];
        groups.push_back(group);
    }
    return groups;
}

}  // namespace

bool DxfEntity::Has(int code) const {
    for (const auto& group : Groups) {
        if (group.Code == code) return true;
    }
    return false;
}

std::string DxfEntity::Value(int code) const {
    for (const auto& group : Groups) {
        if (group.Code == code) return group.Value;
    }
    ADD_FAILURE() << Type << " entity has no group " << code;
    return {};
}

double DxfEntity::Number(int code) const {
    const std::string text = Value(code);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        ADD_FAILURE() << "group " << code << " of " << Type << " is no number: '" << text << "'";
    }
    return value;
}

std::vector<DxfEntity> DxfFile::OnLayer(std::string_view layer) const {
    std::vector<DxfEntity> found;
    for (const auto& entity : Entities) {
        if (entity.Layer() == layer) found.push_back(entity);
    }
    return found;
}

std::vector<DxfEntity> DxfFile::OfType(std::string_view type, std::string_view layer) const {
    std::vector<DxfEntity> found;
    for (const auto& entity : Entities) {
        if (entity.Type == type && entity.Layer() == layer) found.push_back(entity);
    }
    return found;
}

std::vector<std::string> DxfFile::Texts(std::string_view layer) const {
    std::vector<std::string> texts;
    for (const auto& entity : OfType("TEXT", layer)) texts.push_back(entity.Value(1));
    return texts;
}

std::size_t DxfFile::FirstEntityAfter(std::string_view comment) const {
    std::size_t index = Comments.size();
    for (std::size_t i = 0; i < Comments.size(); ++i) {
        if (Comments[i] == comment) {
            index = i;
            break;
        }
    }
    if (index == Comments.size()) {
        ADD_FAILURE() << "no comment '" << comment << "'";
        return Entities.size();
    }
    for (std::size_t e = 0; e < Entities.size(); ++e) {
        if (Entities[e].CommentsBefore > index) return e;
    }
    return Entities.size();
}

std::vector<std::string> DxfFile::HeaderValues(std::string_view variable) const {
    std::vector<std::string> values;
    bool inVariable = false;
    for (const auto& group : Groups) {
        if (group.Code == 9) {
            inVariable = group.Value == variable;
        } else if (group.Code == 0) {
            if (inVariable) break;
        } else if (inVariable) {
            values.push_back(group.Value);
        }
    }
    return values;
}

DxfFile ParseDxf(std::string_view text) {
    DxfFile file;
    file.Groups = Pairs(SplitLines(text));
    const auto& groups = file.Groups;
    std::string section;
    bool sawEof = false;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const DxfGroup& group = groups[i];
        if (sawEof) {
            ADD_FAILURE() << "groups after EOF";
            break;
        }
        if (group.Code == 999) {
            file.Comments.push_back(group.Value);
            continue;
        }
        if (group.Code != 0) continue;
        if (group.Value == "SECTION") {
            if (!section.empty()) ADD_FAILURE() << "section inside section " << section;
            if (i + 1 < groups.size() && groups[i + 1].Code == 2) section = groups[i + 1].Value;
            file.Sections.push_back(section);
        } else if (group.Value == "ENDSEC") {
            if (section.empty()) ADD_FAILURE() << "ENDSEC outside a section";
            section.clear();
        } else if (group.Value == "EOF") {
            if (!section.empty()) ADD_FAILURE() << "EOF inside section " << section;
            sawEof = true;
        } else if (group.Value == "TEXT" || group.Value == "LINE" || group.Value == "POLYLINE" ||
                   group.Value == "VERTEX" || group.Value == "SEQEND") {
            if (section != "ENTITIES") ADD_FAILURE() << group.Value << " outside ENTITIES";
            DxfEntity entity;
            entity.Type = group.Value;
            entity.CommentsBefore = file.Comments.size();
            // A comment ends the entity's groups as the next entity does.
            for (std::size_t k = i + 1;
                 k < groups.size() && groups[k].Code != 0 && groups[k].Code != 999; ++k) {
                entity.Groups.push_back(groups[k]);
            }
            if (entity.Type == "VERTEX" || entity.Type == "SEQEND") {
                if (file.Entities.empty() || file.Entities.back().Type != "POLYLINE") {
                    ADD_FAILURE() << entity.Type << " without a POLYLINE";
                } else if (entity.Type == "VERTEX") {
                    file.Entities.back().Vertices.push_back(entity);
                } else {
                    file.Entities.back().SeqEndLayer = entity.Layer();
                }
            } else {
                file.Entities.push_back(entity);
            }
        }
    }
    if (!sawEof) ADD_FAILURE() << "no EOF";
    return file;
}

DxfFile ReadDxfFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ADD_FAILURE() << "cannot open " << path;
        return {};
    }
    std::ostringstream content;
    content << in.rdbuf();
    return ParseDxf(content.str());
}

}  // namespace quadrel::testing
