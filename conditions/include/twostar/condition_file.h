#pragma once
// Condition files: every input of the filter panel as UTF-8 JSON. Every key is
// optional and an absent key keeps the panel's initial state, so "{}" is the
// untouched panel. A file is accepted whole or refused whole.

#include <optional>
#include <string>
#include <string_view>

#include "twostar/conditions.h"

namespace twostar {

struct ConditionFileError {
  std::string keyPath;  // for example "danGroup.rows[2].countBoxes"; empty for a syntax error
  std::string problem;
};

struct ConditionFileResult {
  std::optional<Conditions> conditions;  // set when accepted
  ConditionFileError error;              // set when refused
};

ConditionFileResult parseConditionFile(std::string_view json);

// Writes every key, so that parsing the text gives `conditions` back.
std::string writeConditionFile(const Conditions& conditions);

// One line describing the keys of the format, for --help.
std::string conditionFileKeysHelp();

}  // namespace twostar
