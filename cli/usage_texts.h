#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "text/catalogue.h"

// The command line's own texts, in Russian and English: usage errors, batch
// errors, the help. The computations' messages come from the catalogue.
namespace cli {

using Language = text::UiLanguage;

enum class CliText {
    // usage errors
    TryHelp,
    NeedSubcommand,
    UnknownSubcommand,
    UnknownOption,
    UnexpectedArgument,
    ArgumentCount,
    ArgumentsAre,
    OptionNeedsValue,
    OptionTakesNoValue,
    OptionTakes,
    Or,
    ThreadsRange,
    TableNeedsFile,
    UnknownQuantity,
    UnknownUnits,
    BatchOneFile,
    // running
    CannotWrite,
    CannotRead,
    LinesFailed,
    // batch
    BatchEmpty,
    FirstLineTooLong,
    InputUnreadable,
    OutputUnwritable,
    LineTooLong,
    LineFields,
    // help
    HelpUsage,
    HelpAbout,
    HelpSubcommands,
    HelpOptions,
    HelpStatus,
    HelpResults,
    HelpBatch,
    Version,
};

// The language of the command line's texts (English until set).
void setLanguage(Language language);
Language language();
// The language of the caller: LC_ALL, else LC_MESSAGES, else LANG; Russian
// for ru*, English otherwise.
Language languageOfEnvironment();

const char* text(CliText key);
// The text with {0}, {1}... replaced by the arguments.
std::string say(CliText key, std::initializer_list<std::string_view> arguments);
// The one-line summary of a subcommand (batch too) for the help.
const char* subcommandSummary(std::string_view name);

// Error texts quote at most this much of a field, and hold at most
// kMaxMessageBytes in all.
constexpr std::size_t kQuotedPrefixBytes = 40;
constexpr std::size_t kMaxMessageBytes = 300;

// 'field' for an error text: its first kQuotedPrefixBytes bytes and "..."
// when it is longer (never cutting a UTF-8 character).
std::string quotedField(std::string_view field);
// A message cut to kMaxMessageBytes the same way.
std::string shortMessage(std::string_view message);

}  // namespace cli
