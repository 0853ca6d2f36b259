#include "command_line.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>

#include "calc/unit_names.h"
#include "report_format.h"

namespace cli {

namespace {

const char* const kProgram = "vantorel-calc";

// The words an option takes, when it takes a choice.
struct Choice {
    const char* option;
    std::vector<const char*> words;
};

const std::vector<Choice>& choices()
{
    static const std::vector<Choice> list = {
        {"--volume-unit", calc::volumeUnitNames()},
        {"--pressure-unit", calc::pressureUnitNames()},
        {"--group", calc::groupNames()},
        {"--lang", {"ru", "en"}},
        {"--decimal", {",", "."}},
        {"--format", {"text", "tsv", "csv", "json"}},
        {"--precision", {"shown", "full"}},
        {"--completion", {"bash"}},
    };
    return list;
}

const std::vector<const char*>& wordsOf(const char* option)
{
    for (const Choice& c : choices())
        if (std::string_view(c.option) == option)
            return c.words;
    static const std::vector<const char*> none;
    return none;
}

// "m3, gal or bbl"
std::string choiceList(const std::vector<const char*>& words)
{
    std::string out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0)
            out += i + 1 == words.size() ? text(CliText::Or) : ", ";
        out += words[i];
    }
    return out;
}

// Position of the value among the words, in any case.
std::optional<std::size_t> positionIn(const std::vector<const char*>& words, std::string_view value)
{
    for (std::size_t i = 0; i < words.size(); ++i)
        if (value.size() == std::string_view(words[i]).size() &&
            std::equal(value.begin(), value.end(), words[i], [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            }))
            return i;
    return std::nullopt;
}

std::optional<std::size_t> chosen(const char* option, std::string_view value)
{
    return positionIn(wordsOf(option), value);
}

// A validator that admits what `accept` does and names the option otherwise.
CLI::Validator check(std::function<bool(const std::string&)> accept, std::function<std::string()> complaint)
{
    return CLI::Validator(
        [accept, complaint](std::string& value) { return accept(value) ? std::string() : complaint(); }, "");
}

CLI::Validator oneOf(const char* option)
{
    return check([option](const std::string& v) { return chosen(option, v).has_value(); },
                 [option] {
                     return say(CliText::OptionTakes, {option, choiceList(wordsOf(option))});
                 });
}

std::optional<int> wholeNumber(const std::string& text)
{
    int n = 0;
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, n);
    if (ec != std::errc() || at != end)
        return std::nullopt;
    return n;
}

// The language for the messages of the parse itself: --lang when it is
// given right, otherwise the caller's.
Language languageOf(int argc, const char* const* argv)
{
    std::optional<Language> given;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            break;
        std::string value;
        if (arg.substr(0, 7) == "--lang=")
            value = arg.substr(7);
        else if (arg == "--lang" && i + 1 < argc)
            value = argv[i + 1];
        else
            continue;
        if (const auto at = chosen("--lang", value))
            given = *at == 0 ? Language::Russian : Language::English;
    }
    return given.value_or(languageOfEnvironment());
}

std::string usageLine(const Command& c)
{
    std::string line = c.name;
    for (const char* a : c.arguments)
        line += std::string(" ") + a;
    return line;
}

const Command* commandNamed(const std::string& name)
{
    return findCommand(name);
}

void printHelp(std::ostream& out)
{
    out << say(CliText::HelpUsage, {kProgram, "SUBCOMMAND ARGUMENTS..."}) << "\n\n"
        << text(CliText::HelpAbout) << "\n\n"
        << text(CliText::HelpSubcommands) << "\n";
    for (const Command& c : commands())
        out << "  " << usageLine(c) << "\n      " << subcommandSummary(c.name) << "\n";
    out << "  batch [FILE|-]\n      " << subcommandSummary("batch") << "\n\n"
        << text(CliText::HelpOptions) << "\n"
        << text(CliText::HelpStatus);
}

void printCommandHelp(std::ostream& out, const Command& c)
{
    out << say(CliText::HelpUsage, {kProgram, usageLine(c)}) << "\n\n"
        << subcommandSummary(c.name) << ".\n"
        << text(CliText::HelpResults);
    for (const char* r : c.results)
        out << ' ' << r;
    out << "\n\n" << text(CliText::HelpOptions) << "\n" << text(CliText::HelpStatus);
}

void printBatchHelp(std::ostream& out)
{
    std::string names;
    for (const std::string& r : allResultNames())
        names += (names.empty() ? "" : " ") + r;
    out << say(CliText::HelpUsage, {kProgram, "batch [FILE|-]"}) << "\n\n"
        << say(CliText::HelpBatch, {names}) << "\n"
        << text(CliText::HelpOptions);
}

// The words of a list, space-separated.
std::string joined(const std::vector<const char*>& words)
{
    std::string out;
    for (const char* w : words)
        out += (out.empty() ? "" : " ") + std::string(w);
    return out;
}

const std::vector<const char*> kQuantities = {"temperature", "volume", "pressure"};

// The bash completion script: subcommands, options, the words of each
// choice, and the quantities and units of convert.
void printBashCompletion(std::ostream& out, const CLI::App& app)
{
    std::vector<std::string> options;
    std::string valued;  // the options that take a value, as a case pattern
    for (const CLI::Option* o : app.get_options()) {
        for (const std::string& s : o->get_snames())
            options.push_back("-" + s);
        for (const std::string& l : o->get_lnames()) {
            options.push_back("--" + l);
            if (o->get_expected_max() != 0)
                valued += (valued.empty() ? "--" : "|--") + l;
        }
    }
    std::string optionWords;
    for (const std::string& o : options)
        optionWords += (optionWords.empty() ? "" : " ") + o;
    std::vector<const char*> subcommands;
    for (const Command& c : commands())
        subcommands.push_back(c.name);
    subcommands.push_back("batch");

    out << "# bash completion for vantorel-calc (written by vantorel-calc --completion bash)\n"
           "_vantorel_calc()\n"
           "{\n"
           "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} words=\"\"\n"
           "    if [[ $cur == --*=* ]]; then\n"
           "        prev=${cur%%=*}\n"
           "        cur=${cur#*=}\n"
           "    fi\n"
           "    case $prev in\n";
    for (const Choice& c : choices())
        out << "    " << c.option << ") COMPREPLY=($(compgen -W \"" << joined(c.words)
            << "\" -- \"$cur\")); return ;;\n";
    out << "    --table) COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n"
           "    --pressure|--threads) COMPREPLY=(); return ;;\n"
           "    esac\n"
           "    if [[ $cur == -* ]]; then\n"
           "        COMPREPLY=($(compgen -W \""
        << optionWords
        << "\" -- \"$cur\"))\n"
           "        return\n"
           "    fi\n"
           "    # the subcommand and the arguments before this word; option values skipped\n"
           "    local i word sub=\"\" quantity=\"\" position=0\n"
           "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
           "        word=${COMP_WORDS[i]}\n"
           "        case $word in\n"
           "        "
        << valued
        << ") ((i++)) ;;\n"
           "        -*) ;;\n"
           "        *)\n"
           "            if [[ -z $sub ]]; then\n"
           "                sub=$word\n"
           "            else\n"
           "                ((position == 0)) && quantity=$word\n"
           "                ((position++))\n"
           "            fi\n"
           "            ;;\n"
           "        esac\n"
           "    done\n"
           "    case $sub in\n"
           "    \"\") words=\""
        << joined(subcommands)
        << "\" ;;\n"
           "    batch) COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n"
           "    convert)\n"
           "        if ((position == 0)); then\n"
           "            words=\""
        << joined(kQuantities)
        << "\"\n"
           "        elif ((position >= 2 && position <= 3)); then\n"
           "            case $quantity in\n"
           "            temperature) words=\""
        << joined(calc::temperatureUnitNames())
        << "\" ;;\n"
           "            volume) words=\""
        << joined(wordsOf("--volume-unit"))
        << "\" ;;\n"
           "            pressure) words=\""
        << joined(wordsOf("--pressure-unit"))
        << "\" ;;\n"
           "            esac\n"
           "        fi\n"
           "        ;;\n"
           "    esac\n"
           "    COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
           "}\n"
           "complete -F _vantorel_calc vantorel-calc\n";
}

}  // namespace

std::optional<int> parseCommandLine(int argc, const char* const* argv, const std::string& version,
                                    Invocation& invocation, std::ostream& out, std::ostream& err)
{
    setLanguage(languageOf(argc, argv));
    invocation.language = language();

    CLI::App app("", kProgram);
    app.set_help_flag("-h,--help");
    app.set_version_flag("-V,--version", [&version] { return say(CliText::Version, {kProgram, version}); });
    app.fallthrough();
    // one subcommand; none with --completion
    app.require_subcommand(0, 1);
    // as before: a later option wins
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

    Options& options = invocation.options;
    app.add_flag_callback("--fahrenheit", [&] { options.temperatureUnit = density::TemperatureUnit::Fahrenheit; })
        ->disable_flag_override();
    app.add_flag_callback("--no-glass", [&] { options.glass = false; })->disable_flag_override();
    app.add_flag("--strict", invocation.strict)->disable_flag_override();
    app.add_flag("--which-table", invocation.whichTable)->disable_flag_override();
    app.add_flag("--header", invocation.layout.header)->disable_flag_override();
    std::string volumeUnit, pressureUnit, group, lang, decimal, format, precision, threads, completion;
    app.add_option("--volume-unit", volumeUnit)->check(oneOf("--volume-unit"));
    app.add_option("--pressure", options.pressure);
    app.add_option("--pressure-unit", pressureUnit)->check(oneOf("--pressure-unit"));
    app.add_option("--group", group)->check(oneOf("--group"));
    app.add_option("--lang", lang)->check(oneOf("--lang"));
    app.add_option("--decimal", decimal)->check(oneOf("--decimal"));
    app.add_option("--format", format)->check(oneOf("--format"));
    app.add_option("--precision", precision)->check(oneOf("--precision"));
    app.add_option("--table", invocation.tableFile)
        ->check(check([](const std::string& v) { return !v.empty(); },
                      [] { return say(CliText::TableNeedsFile, {"--table"}); }));
    app.add_option("--threads", threads)
        ->check(check(
            [](const std::string& v) {
                const std::optional<int> n = wholeNumber(v);
                return n && *n >= 1 && *n <= 64;
            },
            [] { return say(CliText::ThreadsRange, {"--threads"}); }));
    app.add_option("--completion", completion)->check(oneOf("--completion"));

    // the subcommands: their arguments by name, required
    std::vector<std::string>& arguments = invocation.arguments;
    arguments.assign(4, std::string());
    // convert: the quantity here, the units' kind in the runner
    std::string rejected;
    const CLI::Validator quantity = check(
        [&](const std::string& v) {
            rejected = v;
            return positionIn(kQuantities, v).has_value();
        },
        [&] { return say(CliText::UnknownQuantity, {quotedField(rejected)}); });
    for (const Command& c : commands()) {
        CLI::App* sub = app.add_subcommand(c.name);
        const bool convert = std::string_view(c.name) == "convert";
        for (std::size_t k = 0; k < c.arguments.size(); ++k) {
            CLI::Option* o = sub->add_option(convert && k == 0 ? "QUANTITY" : c.arguments[k], arguments[k])->required();
            if (convert && k == 0)
                o->check(quantity);
        }
    }
    std::string batchFile;
    app.add_subcommand("batch")->add_option("FILE", batchFile);

    std::vector<std::string> args;
    for (int i = argc - 1; i > 0; --i)
        args.emplace_back(argv[i]);
    const auto usage = [&err](const std::string& what) {
        err << kProgram << ": " << printable(what) << '\n' << say(CliText::TryHelp, {kProgram}) << '\n';
        return kStatusUsage;
    };
    const auto selected = [&app]() -> CLI::App* {
        const std::vector<CLI::App*> subs = app.get_subcommands();
        return subs.empty() ? nullptr : subs.back();
    };
    const auto countError = [&](const CLI::App& sub) {
        const Command* c = commandNamed(sub.get_name());
        if (!c)
            return usage(say(CliText::BatchOneFile, {}));
        std::size_t given = 0;
        for (const CLI::Option* o : sub.get_options())
            given += o->get_positional() ? o->count() : 0;
        given += app.remaining(true).size();
        return usage(
            say(CliText::ArgumentsAre,
                {say(CliText::ArgumentCount, {c->name, std::to_string(c->arguments.size()), std::to_string(given)}),
                 usageLine(*c)}));
    };
    try {
        app.parse(args);
    } catch (const CLI::CallForHelp&) {
        const CLI::App* sub = selected();
        if (!sub)
            printHelp(out);
        else if (const Command* c = commandNamed(sub->get_name()))
            printCommandHelp(out, *c);
        else
            printBatchHelp(out);
        return kStatusOk;
    } catch (const CLI::CallForVersion& e) {
        out << e.what();
        return kStatusOk;
    } catch (const CLI::ValidationError& e) {
        // "NAME: the validator's words"
        const std::string what = e.what();
        const std::size_t colon = what.find(": ");
        return usage(colon == std::string::npos ? what : what.substr(colon + 2));
    } catch (const CLI::ArgumentMismatch& e) {
        const std::string what = e.what();
        // "--name: ..." or, for a flag given a value, "name was given..."
        std::string name = what.substr(0, what.find_first_of(" :"));
        if (name.rfind('-', 0) != 0)
            name = "--" + name;
        const CLI::Option* o = app.get_option_no_throw(name);
        return usage(
            say(o && o->get_expected_max() == 0 ? CliText::OptionTakesNoValue : CliText::OptionNeedsValue, {name}));
    } catch (const CLI::ParseError&) {
        // a subcommand missing, arguments missing or left over, an unknown option
        const std::vector<std::string> left = app.remaining(true);
        for (const std::string& l : left)
            if (l.size() > 1 && l[0] == '-' &&
                !(std::isdigit(static_cast<unsigned char>(l[1])) || l[1] == '.' || l[1] == ','))
                return usage(say(CliText::UnknownOption, {quotedField(l)}));
        const CLI::App* sub = selected();
        if (!sub)
            return usage(left.empty() ? text(CliText::NeedSubcommand)
                                      : say(CliText::UnknownSubcommand, {quotedField(left.front())}));
        return countError(*sub);
    }

    if (!completion.empty()) {
        printBashCompletion(out, app);
        return kStatusOk;
    }
    if (!volumeUnit.empty())
        options.volumeUnit = *calc::volumeUnitNamed(volumeUnit);
    if (!pressureUnit.empty())
        options.pressureUnit = *calc::pressureUnitNamed(pressureUnit);
    if (!group.empty())
        options.group = *calc::groupNamed(group);
    if (!decimal.empty())
        invocation.decimal = decimal[0];
    if (!format.empty())
        invocation.layout.format = static_cast<OutputFormat>(*chosen("--format", format));
    if (!precision.empty())
        invocation.layout.precision = static_cast<Precision>(*chosen("--precision", precision));
    if (!threads.empty())
        invocation.threads = *wholeNumber(threads);
    else
        invocation.threads = batchThreads();

    const CLI::App* sub = selected();
    if (invocation.whichTable)
        return std::nullopt;
    if (!sub)
        return usage(text(CliText::NeedSubcommand));
    invocation.subcommand = sub->get_name();
    if (invocation.subcommand == "batch") {
        arguments.clear();
        if (!batchFile.empty())
            arguments.push_back(batchFile);
    } else {
        arguments.resize(commandNamed(invocation.subcommand)->arguments.size());
    }
    return std::nullopt;
}

}  // namespace cli
