#include "Report.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace {

const std::size_t kLineWidth = 100;
const char* const kIndentStep = "  ";

// JSON string syntax: quotes, backslashes and control characters escaped.
void writeJsonString(std::ostream& out, const std::string& text)
{
    out << '"';
    for (const char c : text)
    {
        switch (c)
        {
        case '"': out << "\\\""; break;
        case '\\': out << "\\\\"; break;
        case '\n': out << "\\n"; break;
        case '\r': out << "\\r"; break;
        case '\t': out << "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
            {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out << escaped;
            }
            else
                out << c;
        }
    }
    out << '"';
}

// The texts in lines of at most kLineWidth columns (a longer text has a line of its own).
void writeWrapped(std::ostream& out, const std::vector<std::string>& list, const std::string& indent)
{
    std::size_t column = 0;
    for (const std::string& text : list)
    {
        if (column > 0 && column + 1 + text.size() > kLineWidth)
        {
            out << '\n';
            column = 0;
        }
        if (column == 0)
        {
            out << indent << text;
            column = indent.size() + text.size();
        }
        else
        {
            out << ' ' << text;
            column += 1 + text.size();
        }
    }
    if (column > 0)
        out << '\n';
}

}

struct Report::Fact
{
    enum Kind { TEXT, NUMBER, FLAG, LIST, SECTION, ABSENT };

    std::string key;
    std::string label;
    Kind kind = ABSENT;
    std::string text;
    long long number = 0;
    bool flag = false;
    std::vector<std::string> list;
    std::unique_ptr<Report> section;
};

Report::Report() = default;
Report::~Report() = default;
Report::Report(Report&&) noexcept = default;
Report& Report::operator=(Report&&) noexcept = default;

void Report::addText(const std::string& key, const std::string& label, const std::string& text)
{
    Fact& fact = append(key, label);
    fact.kind = Fact::TEXT;
    fact.text = text;
}

void Report::addNumber(const std::string& key, const std::string& label, long long number)
{
    Fact& fact = append(key, label);
    fact.kind = Fact::NUMBER;
    fact.number = number;
}

void Report::addFlag(const std::string& key, const std::string& label, bool flag)
{
    Fact& fact = append(key, label);
    fact.kind = Fact::FLAG;
    fact.flag = flag;
}

void Report::addList(const std::string& key, const std::string& label, const std::vector<std::string>& list)
{
    Fact& fact = append(key, label);
    fact.kind = Fact::LIST;
    fact.list = list;
}

void Report::addAbsent(const std::string& key, const std::string& label)
{
    append(key, label);
}

Report& Report::addSection(const std::string& key, const std::string& label)
{
    Fact& fact = append(key, label);
    fact.kind = Fact::SECTION;
    fact.section = std::make_unique<Report>();
    return *fact.section;
}

void Report::writeText(std::ostream& out) const
{
    writeText(out, "");
}

void Report::writeJson(std::ostream& out) const
{
    writeJson(out, "");
    out << '\n';
}

void Report::writeText(std::ostream& out, const std::string& indent) const
{
    std::size_t width = 0;
    for (const Fact& fact : facts_)
        if (fact.kind != Fact::SECTION && fact.kind != Fact::LIST)
            width = std::max(width, fact.label.size() + 1);

    for (const Fact& fact : facts_)
    {
        const std::string nested = indent + kIndentStep;
        switch (fact.kind)
        {
        case Fact::SECTION:
            out << indent << fact.label << '\n';
            fact.section->writeText(out, nested);
            continue;
        case Fact::LIST:
            out << indent << fact.label << " (" << fact.list.size() << "):\n";
            writeWrapped(out, fact.list, nested);
            continue;
        default:
            break;
        }
        out << indent << fact.label << ':' << std::string(width - fact.label.size(), ' ');
        switch (fact.kind)
        {
        case Fact::TEXT: out << fact.text; break;
        case Fact::NUMBER: out << fact.number; break;
        case Fact::FLAG: out << (fact.flag ? "yes" : "no"); break;
        default: out << "none"; break;
        }
        out << '\n';
    }
}

void Report::writeJson(std::ostream& out, const std::string& indent) const
{
    const std::string nested = indent + kIndentStep;
    out << '{';
    const char* separator = "\n";
    for (const Fact& fact : facts_)
    {
        out << separator << nested;
        separator = ",\n";
        writeJsonString(out, fact.key);
        out << ": ";
        switch (fact.kind)
        {
        case Fact::TEXT: writeJsonString(out, fact.text); break;
        case Fact::NUMBER: out << fact.number; break;
        case Fact::FLAG: out << (fact.flag ? "true" : "false"); break;
        case Fact::SECTION: fact.section->writeJson(out, nested); break;
        case Fact::ABSENT: out << "null"; break;
        case Fact::LIST:
        {
            out << '[';
            const char* itemSeparator = "";
            for (const std::string& text : fact.list)
            {
                out << itemSeparator;
                itemSeparator = ", ";
                writeJsonString(out, text);
            }
            out << ']';
            break;
        }
        }
    }
    out << (facts_.empty() ? "" : "\n" + indent) << '}';
}

Report::Fact& Report::append(const std::string& key, const std::string& label)
{
    facts_.emplace_back();
    Fact& fact = facts_.back();
    fact.key = key;
    fact.label = label;
    return fact;
}
