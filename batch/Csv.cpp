#include "Csv.h"

#include "LineReader.h"
#include "StrProc.h"

#include <algorithm>
#include <cstring>

namespace orvanel::csv {
namespace {

// Where the next byte that ends an unquoted cell is: a delimiter, CR or LF.
std::size_t EndOfUnquoted(std::string_view bytes, std::size_t from, char delimiter) {
    for (; from < bytes.size(); ++from) {
        const char c = bytes[from];
        if (c == delimiter || c == '\n' || c == '\r') {
            break;
        }
    }
    return from;
}

} // namespace

Filter::Filter(Dialect dialect, std::vector<Column> columns, Handler& handler)
    : m_dialect(dialect), m_columns(std::move(columns)), m_handler(handler) {
    for (const Column& column : m_columns) {
        m_widest = std::max(m_widest, column.number);
    }
    m_chosen.assign(static_cast<std::size_t>(m_widest) + 1, false);
    for (const Column& column : m_columns) {
        m_chosen[static_cast<std::size_t>(column.number)] = column.number > 0;
        m_anyNamed = m_anyNamed || column.number == 0;
    }
}

void Filter::feed(std::string_view bytes, std::string& out) {
    std::size_t i = 0;
    for (; m_startOfInput && i < bytes.size(); ++i, ++m_bomMatched) {
        if (m_bomMatched == kByteOrderMark.size() || bytes[i] != kByteOrderMark[m_bomMatched]) {
            m_startOfInput = false;
            break;
        }
        out += bytes[i]; // a byte-order mark is no part of the first cell
    }
    const char delimiter = m_dialect.delimiter;
    while (i < bytes.size()) {
        const char c = bytes[i];
        switch (m_state) {
        case State::FieldStart:
            startField();
            m_state = State::Unquoted;
            if (c == '"') {
                m_quoted = true;
                m_state = State::Quoted;
                takeRaw(bytes.substr(i, 1), out);
                ++i;
            }
            break;
        case State::Unquoted: {
            const std::size_t end = EndOfUnquoted(bytes, i, delimiter);
            takeRaw(bytes.substr(i, end - i), out);
            takeText(bytes.substr(i, end - i), out);
            if ((i = end) == bytes.size()) {
                break;
            }
            const char b = bytes[i++];
            endField(out);
            out += b;
            b == delimiter ? void(++m_column) : b == '\n' ? endRecord() : void();
            m_state = b == '\r' ? State::AfterCr : State::FieldStart;
            break;
        }
        case State::Quoted: {
            const auto* quote =
                static_cast<const char*>(std::memchr(bytes.data() + i, '"', bytes.size() - i));
            const std::size_t end =
                quote ? static_cast<std::size_t>(quote - bytes.data()) : bytes.size();
            const std::string_view span = bytes.substr(i, end - i);
            m_line += std::count(span.begin(), span.end(), '\n');
            takeRaw(span, out);
            takeText(span, out);
            if ((i = end) < bytes.size()) {
                takeRaw(bytes.substr(i++, 1), out);
                m_state = State::QuoteInQuoted;
            }
            break;
        }
        case State::QuoteInQuoted:
            m_state = State::Unquoted; // the quote closed the cell; what follows is read plainly
            if (c == '"') {            // a doubled quote: one quote in the text
                takeRaw(bytes.substr(i, 1), out);
                takeText(bytes.substr(i, 1), out);
                m_state = State::Quoted;
                ++i;
            }
            break;
        case State::AfterCr: // CR LF, or a lone CR: either ends the row
            if (c == '\n') {
                out += c;
                ++i;
            }
            endRecord();
            m_state = State::FieldStart;
            break;
        }
    }
}

void Filter::finish(std::string& out) {
    switch (m_state) {
    case State::Quoted:
        m_handler.problem(m_cellLine, m_column, m_text, "Unclosed quote", false);
        out += m_raw; // as it was, and so is everything after the quote
        return;
    case State::FieldStart:
        if (!m_inRecord) {
            return;
        }
        startField(); // an empty last cell after a delimiter
        [[fallthrough]];
    case State::Unquoted:
    case State::QuoteInQuoted:
        endField(out);
        endRecord();
        return;
    case State::AfterCr:
        endRecord();
        return;
    }
}

void Filter::startField() {
    const bool headerRow = m_dialect.header && m_record == 1;
    m_collect = headerRow && m_anyNamed;
    m_held = !headerRow && m_column <= m_widest && m_chosen[static_cast<std::size_t>(m_column)];
    m_overflow = false;
    m_quoted = false;
    m_cellEmpty = true;
    m_inRecord = true;
    m_cellLine = m_line;
    m_raw.clear();
    m_text.clear();
}

void Filter::takeRaw(std::string_view bytes, std::string& out) {
    m_cellEmpty = m_cellEmpty && bytes.empty();
    (m_held && !m_overflow ? m_raw : out).append(bytes);
}

void Filter::takeText(std::string_view bytes, std::string& out) {
    if (!(m_held && !m_overflow) && !m_collect) {
        return;
    }
    m_text.append(bytes.substr(0, kLongestLine + 1 - std::min(m_text.size(), kLongestLine + 1)));
    if (m_held && m_text.size() > kLongestLine) {
        // Too long to convert: said once, and the cell streams through as it is.
        m_handler.problem(m_cellLine, m_column, m_text, "Cell too long", false);
        out += m_raw;
        m_raw.clear();
        m_overflow = true;
    }
}

void Filter::endField(std::string& out) {
    if (m_collect) {
        m_headerRow.emplace_back(m_text);
    }
    if (m_held && !m_overflow) {
        emitCell(out);
    }
    m_held = false;
    m_collect = false;
}

void Filter::emitCell(std::string& out) {
    const std::optional<std::string> replacement = m_handler.convert(m_cellLine, m_column, m_text);
    if (!replacement) {
        out += m_raw;
        return;
    }
    const char delimiter = m_dialect.delimiter;
    const bool quote =
        m_quoted || std::any_of(replacement->begin(), replacement->end(), [&](char c) {
            return c == '"' || c == '\r' || c == '\n' || c == delimiter;
        });
    if (!quote) {
        out += *replacement;
        return;
    }
    out += '"';
    for (char c : *replacement) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
}

void Filter::endRecord() {
    const bool emptyLine = m_column == 1 && m_cellEmpty && !m_quoted;
    if (m_dialect.header && m_record == 1) {
        resolveNames();
    } else if (m_column < m_widest && !emptyLine) {
        // The first chosen column past the row's end.
        int missing = m_column + 1;
        while (!m_chosen[static_cast<std::size_t>(missing)]) {
            ++missing;
        }
        m_handler.problem(m_cellLine, missing, {}, "Too few columns", false);
    }
    ++m_record;
    ++m_line;
    m_column = 1;
    m_inRecord = false;
}

void Filter::resolveNames() {
    for (const Column& column : m_columns) {
        if (column.number > 0) {
            continue;
        }
        const auto at = std::find_if(m_headerRow.begin(), m_headerRow.end(), [&](const auto& name) {
            return TrimBlanks(name) == TrimBlanks(column.name);
        });
        if (at == m_headerRow.end()) {
            m_handler.problem(1, 0, column.name, "No such column", true);
            continue;
        }
        const int number = static_cast<int>(at - m_headerRow.begin()) + 1;
        m_widest = std::max(m_widest, number);
        m_chosen.resize(static_cast<std::size_t>(m_widest) + 1, false);
        m_chosen[static_cast<std::size_t>(number)] = true;
    }
}

} // namespace orvanel::csv
