#pragma once
// One sheet of a wizard page's spreadsheet as texts: a fixed number of columns, a header per row and the
// cell texts. Rows and columns are 0-based; a cell outside the sheet reads as "".
#include <string>
#include <vector>

namespace projectdb {

class TextSheet {
  public:
    explicit TextSheet(int columns = 1) : m_nColumns(columns) {}

    int columns() const { return m_nColumns; }
    int rows() const { return static_cast<int>(m_headers.size()); }

    const std::string& cell(int row, int column) const;
    // Writes a cell; rows are added up to `row` when it lies beyond the sheet.
    void setCell(int row, int column, std::string text);
    const std::string& header(int row) const;
    void setHeader(int row, std::string text);

    // Keeps the first `rows` rows and their texts; new rows are empty with empty headers.
    void resize(int rows);
    // Replaces the whole content: headers numbered from `firstHeader`, one row per entry (short rows are
    // filled with "", long ones cut to the sheet's columns).
    void assign(const std::vector<std::vector<std::string>>& rows, int firstHeader);
    // Headers firstHeader, firstHeader + 1, ... on every row.
    void numberRows(int firstHeader);

    bool operator==(const TextSheet&) const = default;

  private:
    int m_nColumns;
    std::vector<std::string> m_headers;
    std::vector<std::string> m_cells;  // row by row: a sheet of thousands of supports is one allocation
};

}  // namespace projectdb
