#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The rows of one of the tables the scenarios share, in this folder, split at white space,
// without their comments. TABLES_DIR names the folder. A table that is missing or empty ends the
// test: it would check nothing.
inline std::vector<std::vector<std::string>> table(const std::string &name)
{
    std::ifstream file(TABLES_DIR "/" + name);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(file, line);) {
        std::istringstream fields(line);
        std::vector<std::string> row;
        for (std::string field; fields >> field;)
            row.push_back(field);
        if (!row.empty() && row[0][0] != '#')
            rows.push_back(row);
    }
    if (rows.empty()) {
        std::fprintf(stderr, "FAIL: no rows in %s\n", name.c_str());
        std::abort();
    }
    return rows;
}

// The fields of a row from `from` on, as the line has them: a text to the end of the line.
inline std::string joined(const std::vector<std::string> &row, std::size_t from)
{
    std::string text = row.at(from);
    for (std::size_t k = from + 1; k < row.size(); ++k)
        text += " " + row[k];
    return text;
}
