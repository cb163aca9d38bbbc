#pragma once
// Converts chosen columns of a CSV file (RFC 4180: quoted fields, doubled quotes, CR LF or LF,
// line breaks inside quotes, a byte-order mark) as its bytes arrive, and writes every other
// byte back as it was: quoting, delimiters, line ends, blanks, the header. Memory stays
// bounded whatever the file: only the cells being converted are held, each up to
// kLongestLine bytes; any other cell streams through, however long.
//
// Written here rather than taken from a CSV library: the libraries parse into records of
// decoded fields, and what is needed is the opposite, the exact bytes around a few cells.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanel::csv {

// A column as the user names it: a 1-based number, or a header name.
struct Column {
    int number = 0;   // 0 when named
    std::string name; // matched against the header row's cells as they are, quotes removed
};

struct Dialect {
    char delimiter = ',';
    bool header = false; // the first row names the columns and is never converted
};

// What the filter asks of its user.
class Handler {
  public:
    virtual ~Handler() = default;
    // The new text of a chosen cell (quotes removed), or nothing to keep it as it was. `line`
    // is where the cell starts.
    virtual std::optional<std::string> convert(long line, int column, std::string_view cell) = 0;
    // A problem with the file: `cell` is the text concerned (empty when none), `failed` true
    // where nothing of the column can be converted (a header name that is not there).
    virtual void problem(long line, int column, std::string_view cell, std::string_view why,
                         bool failed) = 0;
};

class Filter {
  public:
    Filter(Dialect dialect, std::vector<Column> columns, Handler& handler);

    // Appends to `out` what the bytes give back, converted cells replaced.
    void feed(std::string_view bytes, std::string& out);
    // The end of the input: the last cell and row, or an unclosed quote.
    void finish(std::string& out);

  private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted, AfterCr };

    void startField();
    void takeRaw(std::string_view bytes, std::string& out);  // of the cell as it stands
    void takeText(std::string_view bytes, std::string& out); // of its text, quotes removed
    void endField(std::string& out);
    void emitCell(std::string& out);
    void endRecord();
    void resolveNames();

    Dialect m_dialect;
    std::vector<Column> m_columns;
    Handler& m_handler;
    std::vector<bool> m_chosen; // by column number
    int m_widest = 0;           // the highest column chosen
    bool m_anyNamed = false;

    State m_state = State::FieldStart;
    bool m_startOfInput = true;
    std::size_t m_bomMatched = 0;
    long m_line = 1;     // of the byte being read
    long m_record = 1;   // the row's number, for the header
    long m_cellLine = 1; // where the current cell started
    int m_column = 1;
    bool m_inRecord = false;
    bool m_held = false;     // the current cell is held, to be converted
    bool m_collect = false;  // the current cell is a header name, kept while it streams on
    bool m_overflow = false; // a held cell grew past the limit: it streams through as it is
    bool m_quoted = false;   // the current cell opened with a quote
    bool m_cellEmpty = true;
    std::string m_raw;  // the held cell as it stands in the file
    std::string m_text; // the held cell, quotes removed
    std::vector<std::string> m_headerRow;
};

} // namespace orvanel::csv
