#include "io/FieldReader.h"

namespace nimbara {

bool FieldReader::AtLineEnd() const { return m_text[m_pos] == '\r' || m_text[m_pos] == '\n'; }

void FieldReader::SkipLineEnd() {
  if (m_pos < m_text.size() && m_text[m_pos] == '\r') ++m_pos;
  if (m_pos < m_text.size() && m_text[m_pos] == '\n') ++m_pos;
}

std::optional<std::string> FieldReader::ReadField() {
  if (AtEnd()) return std::nullopt;
  while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t')) ++m_pos;
  if (AtEnd()) return std::string();
  if (AtLineEnd()) {
    SkipLineEnd();
    return std::string();
  }
  std::string item;
  if (m_text[m_pos] == '"') {
    item = ReadQuotedItem();
    // A quoted item may span lines; whatever follows the closing quote up to
    // the separator is not part of it.
    while (m_pos < m_text.size() && m_text[m_pos] != ',' && !AtLineEnd()) ++m_pos;
  } else {
    const std::size_t end = m_text.find_first_of(",\r\n", m_pos);
    const std::size_t stop = end == std::string::npos ? m_text.size() : end;
    item = m_text.substr(m_pos, stop - m_pos);
    m_pos = stop;
  }
  if (m_pos < m_text.size()) {
    if (m_text[m_pos] == ',') ++m_pos;
    else SkipLineEnd();
  }
  return item;
}

std::string FieldReader::ReadQuotedItem() {
  std::string item;
  ++m_pos;  // the opening quote
  for (;;) {
    const std::size_t close = m_text.find('"', m_pos);
    const std::size_t end = close == std::string::npos ? m_text.size() : close;
    item.append(m_text, m_pos, end - m_pos);
    m_pos = close == std::string::npos ? m_text.size() : close + 1;
    const bool doubled = m_quoteRule == QuoteRule::DoubledQuotes && m_pos < m_text.size() && m_text[m_pos] == '"';
    if (!doubled) return item;
    item += '"';
    ++m_pos;
  }
}

std::optional<std::string> FieldReader::ReadLine() {
  if (AtEnd()) return std::nullopt;
  const std::size_t end = m_text.find_first_of("\r\n", m_pos);
  const std::size_t stop = end == std::string::npos ? m_text.size() : end;
  std::string line = m_text.substr(m_pos, stop - m_pos);
  m_pos = stop;
  SkipLineEnd();
  return line;
}

std::vector<std::string> SplitLines(std::string_view text) {
  FieldReader reader{std::string(text)};
  std::vector<std::string> lines;
  while (auto line = reader.ReadLine()) lines.push_back(std::move(*line));
  return lines;
}

}  // namespace nimbara
