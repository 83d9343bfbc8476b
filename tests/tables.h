#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The rows of one of the tables the scenarios share, in this folder, split at white space,
// without their comments. TESTS_DIR names the folder.
inline std::vector<std::vector<std::string>> table(const std::string &name)
{
    std::ifstream file(TESTS_DIR "/" + name);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(file, line);) {
        std::istringstream fields(line);
        std::vector<std::string> row;
        for (std::string field; fields >> field;)
            row.push_back(field);
        if (!row.empty() && row[0][0] != '#')
            rows.push_back(row);
    }
    return rows;
}
