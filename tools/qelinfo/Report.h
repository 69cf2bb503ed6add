#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

// An ordered tree of facts, written as text for people or as JSON for machines: both forms are written from
// the one tree, so they hold the same facts. Each fact has a key (the JSON member name) and a label (its name
// in the text); its value is a text, a number, a truth value, a list of texts, a nested report, or absent
// (JSON null, "none" in the text).
class Report
{
public:
    Report();
    ~Report();
    Report(Report&&) noexcept;
    Report& operator=(Report&&) noexcept;

    void addText(const std::string& key, const std::string& label, const std::string& text);
    void addNumber(const std::string& key, const std::string& label, long long number);
    void addFlag(const std::string& key, const std::string& label, bool flag);
    void addList(const std::string& key, const std::string& label, const std::vector<std::string>& list);
    void addAbsent(const std::string& key, const std::string& label);
    // A nested report, filled through the answer, which stays valid as long as this report.
    Report& addSection(const std::string& key, const std::string& label);

    // "label: value" lines, labels aligned within a section; a section is a heading line with its facts
    // indented below it; a list gives its count after the label and its texts in lines of at most 100 columns.
    void writeText(std::ostream& out) const;
    // One JSON object, members in the order they were added, two blanks of indentation per level.
    void writeJson(std::ostream& out) const;

private:
    struct Fact;

    void writeText(std::ostream& out, const std::string& indent) const;
    void writeJson(std::ostream& out, const std::string& indent) const;
    Fact& append(const std::string& key, const std::string& label);

    std::vector<Fact> facts_;
};
