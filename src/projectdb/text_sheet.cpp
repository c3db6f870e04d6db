#include "projectdb/text_sheet.h"

namespace projectdb {

namespace {
const std::string kEmpty;
}

const std::string& TextSheet::cell(int row, int column) const {
    if (row < 0 || row >= rows() || column < 0 || column >= m_nColumns) return kEmpty;
    return m_cells[static_cast<size_t>(row) * m_nColumns + column];
}

void TextSheet::setCell(int row, int column, std::string text) {
    if (row < 0 || column < 0 || column >= m_nColumns) return;
    if (row >= rows()) resize(row + 1);
    m_cells[static_cast<size_t>(row) * m_nColumns + column] = std::move(text);
}

const std::string& TextSheet::header(int row) const {
    if (row < 0 || row >= rows()) return kEmpty;
    return m_headers[row];
}

void TextSheet::setHeader(int row, std::string text) {
    if (row < 0) return;
    if (row >= rows()) resize(row + 1);
    m_headers[row] = std::move(text);
}

void TextSheet::resize(int rows) {
    if (rows < 0) rows = 0;
    m_cells.resize(static_cast<size_t>(rows) * m_nColumns);
    m_headers.resize(rows);
}

void TextSheet::assign(const std::vector<std::vector<std::string>>& rows, int firstHeader) {
    m_cells.clear();
    m_headers.clear();
    resize(static_cast<int>(rows.size()));
    for (int r = 0; r < this->rows(); ++r)
        for (int c = 0; c < m_nColumns && c < static_cast<int>(rows[r].size()); ++c)
            m_cells[static_cast<size_t>(r) * m_nColumns + c] = rows[r][c];
    numberRows(firstHeader);
}

void TextSheet::numberRows(int firstHeader) {
    for (int r = 0; r < rows(); ++r) m_headers[r] = std::to_string(firstHeader + r);
}

}  // namespace projectdb
