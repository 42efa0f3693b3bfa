// SPDX-License-Identifier: MIT
// The bash completion script, written from CLI11's definition of zeptcat
// and the choices its option checks list.
#include "tools/zeptcat/Completion.h"

#include <CLI/CLI.hpp>
#include <sstream>

namespace zeptcat {

namespace {

// The fixed values an option takes, as its check lists them ("TEXT:{mm,in}").
std::string choices(CLI::Option const& option) {
  const std::string type = option.get_type_name();
  const std::size_t open = type.find('{'), close = type.rfind('}');
  if (open == std::string::npos || close == std::string::npos || close < open) return "";
  std::string values = type.substr(open + 1, close - open - 1);
  for (auto& c : values)
    if (c == ',') c = ' ';
  return values;
}

struct OptionWords {
  std::string all;          // every option's names
  std::string withValue;    // names of the other options that take a value, "|"-joined for a case pattern
  std::string choiceCases;  // case branches completing the fixed values of those that have them
};

OptionWords optionWords(CLI::App const& app) {
  OptionWords w;
  for (CLI::Option const* option : app.get_options()) {
    if (!option->nonpositional() || option->get_group().empty()) continue;
    std::string names;
    for (auto const& l : option->get_lnames()) names += (names.empty() ? "" : " ") + ("--" + l);
    for (auto const& s : option->get_snames()) names += (names.empty() ? "" : " ") + ("-" + s);
    w.all += (w.all.empty() ? "" : " ") + names;
    if (option->get_items_expected_max() == 0) continue;  // a flag
    std::string pattern = names;
    for (auto& c : pattern)
      if (c == ' ') c = '|';
    if (const std::string values = choices(*option); !values.empty())
      w.choiceCases += "      " + pattern + ") COMPREPLY=($(compgen -W \"" + values + "\" -- \"$cur\")); return ;;\n";
    else
      w.withValue += (w.withValue.empty() ? "" : "|") + pattern;
  }
  return w;
}

}  // namespace

std::string bashCompletion(CLI::App const& app) {
  const OptionWords global = optionWords(app);
  std::string commands, commandCases;
  for (CLI::App const* sub : app.get_subcommands([](CLI::App const*) { return true; })) {
    commands += (commands.empty() ? "" : " ") + sub->get_name();
    const OptionWords own = optionWords(*sub);
    commandCases += "    " + sub->get_name() + ")\n";
    commandCases += "      options=\"" + own.all + "\"\n";
    if (!own.withValue.empty() || !own.choiceCases.empty()) {
      commandCases += "      case $prev in\n" + own.choiceCases;
      if (!own.withValue.empty())
        commandCases += "      " + own.withValue + ") COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n";
      commandCases += "      esac\n";
    }
    commandCases += "      ;;\n";
  }

  std::ostringstream out;
  out << "# bash completion for zeptcat: its subcommands and their options.\n"
         "# Made by `zeptcat --bash-completion`; source it, or install it as\n"
         "# share/bash-completion/completions/zeptcat.\n"
         "_zeptcat() {\n"
         "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}\n"
         "  local command='' options='' i\n"
         "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
         "    case ${COMP_WORDS[i]} in\n"
         "      --data | --app) ((i++)) ;;\n"
         "      -*) ;;\n"
         "      *) command=${COMP_WORDS[i]}; break ;;\n"
         "    esac\n"
         "  done\n"
         "  case $prev in\n"
         "    --data | --app) COMPREPLY=($(compgen -d -- \"$cur\")); return ;;\n"
         "  esac\n"
         "  case $command in\n"
         "    '')\n"
         "      COMPREPLY=($(compgen -W \""
      << global.all << " " << commands
      << "\" -- \"$cur\"))\n"
         "      return\n"
         "      ;;\n"
      << commandCases
      << "  esac\n"
         "  if [[ $cur == -* ]]; then\n"
         "    COMPREPLY=($(compgen -W \"$options "
      << global.all
      << "\" -- \"$cur\"))\n"
         "  else\n"
         "    COMPREPLY=($(compgen -f -- \"$cur\"))\n"
         "  fi\n"
         "}\n"
         "complete -o filenames -F _zeptcat zeptcat\n";
  return out.str();
}

}  // namespace zeptcat
