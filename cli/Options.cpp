// SPDX-License-Identifier: MIT
#include "cli/Options.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <climits>
#include <set>
#include <string_view>

#include "LodemaVersion.h"
#include "batch/Delimiters.h"
#include "calc/Catalogue.h"
#include "calc/Settings.h"
#include "calc/SettingsIO.h"
#include "calc/SettingsText.h"

namespace Lodema {

namespace {

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

// "a,b,...": exactly N comma-separated whole numbers of `minimum` or more.
template <std::size_t N>
std::optional<std::array<int, N>> ParseNumberList(std::string_view text, int minimum) {
  std::array<int, N> numbers{};
  std::size_t k = 0;
  for (;;) {
    const std::size_t comma = text.find(',');
    const std::optional<int> value = ParseInt(text.substr(0, comma));
    if (!value || *value < minimum || k >= N) return std::nullopt;
    numbers[k++] = *value;
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (k != N) return std::nullopt;
  return numbers;
}

// "result,A,B,C,D" in any order and letter case -> the kinds shown.
std::optional<std::array<bool, 5>> ParseShownKinds(std::string_view text) {
  constexpr std::array<std::string_view, 5> kNames = {"result", "a", "b", "c", "d"};
  std::array<bool, 5> shown{};
  for (;;) {
    const std::size_t comma = text.find(',');
    std::string name(text.substr(0, comma));
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    bool known = false;
    for (std::size_t kind = 0; kind < kNames.size(); ++kind) {
      if (name == kNames[kind]) shown[kind] = known = true;
    }
    if (!known) return std::nullopt;
    if (comma == std::string_view::npos) return shown;
    text.remove_prefix(comma + 1);
  }
}

// A message box's text as one line: its line break becomes a blank.
std::string PlainMessage(std::string text) {
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n")) {
    text.replace(at, 2, " ");
  }
  return text;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// A whole number of minimum..maximum (INT_MAX: no bound) into `to`, or the
// error naming the option and what its value is not.
std::string WholeNumberOption(const char* name, const std::string& text, int minimum, int maximum,
                              const char* what, int& to) {
  const std::optional<int> n = ParseInt(text);
  if (!n || *n < minimum || *n > maximum) {
    const std::string range =
        std::to_string(minimum) + (maximum == INT_MAX ? " or more" : "-" + std::to_string(maximum));
    return std::string(name) + ": " + Quoted(text) + " is not " + what + " (" + range + ")";
  }
  to = *n;
  return "";
}

// "a,b,c,d": four different column numbers of 1 or more; `meaning` names
// what the columns hold.
std::string FourColumnsOption(const char* name, const std::string& text, const char* meaning,
                              std::array<int, 4>& columns) {
  const std::optional<std::array<int, 4>> read = ParseNumberList<4>(text, 1);
  if (!read || std::set<int>(read->begin(), read->end()).size() != read->size()) {
    return std::string(name) + ": " + Quoted(text) +
           " is not 4 different comma-separated column numbers (" + meaning + ")";
  }
  columns = *read;
  return "";
}

// --set takes exactly the values its help documents: whole numbers in the
// documented ranges, True or False, or a name without control characters.
// (The settings store itself reads more leniently, for files written by hand.)
std::string DocumentedValueError(const std::string& key, const std::string& value) {
  const std::string bad = "--set: " + Quoted(value) + " is not a valid value for " + key;
  for (const SettableKey& settable : SettableKeys()) {
    if (settable.key != key) continue;
    switch (settable.form) {
      case SettableForm::kWholeNumber: {
        const bool digits = !value.empty() && value.size() <= 2 &&
                            std::all_of(value.begin(), value.end(), [](char c) {
                              return std::isdigit(static_cast<unsigned char>(c)) != 0;
                            });
        const int number = digits ? std::stoi(value) : -1;
        if (!digits || number < settable.minimum || number > settable.maximum) {
          return bad + " (" + std::to_string(settable.minimum) + "-" +
                 std::to_string(settable.maximum) + ")";
        }
        return "";
      }
      case SettableForm::kName:
        if (value.empty() || HasControlCharacter(value)) {
          return bad + " (a name without tabs, line breaks or other control characters)";
        }
        return "";
      case SettableForm::kTrueFalse:
        if (!IsTrueText(value) && !IsFalseText(value)) return bad + " (True or False)";
        return "";
    }
  }
  return "";
}

// What --set documents of one key's values.
std::string SettableValuesText(const SettableKey& key) {
  switch (key.form) {
    case SettableForm::kWholeNumber:
      return std::to_string(key.minimum) + "-" + std::to_string(key.maximum);
    case SettableForm::kTrueFalse:
      return "True/False";
    case SettableForm::kName:
      return "words";
  }
  return "";
}

// The keys --set takes, each run of keys with the same values followed by
// them ("PlaneConvIn, PlaneConvOut (1-6), ..."), wrapped to the help's text
// column.
std::string SettableKeysHelp() {
  const std::vector<SettableKey> keys = SettableKeys();
  std::vector<std::string> words = {"in", "its", "stored", "text", "form:"};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const std::string values = SettableValuesText(keys[i]);
    const bool lastOfRun = i + 1 == keys.size() || SettableValuesText(keys[i + 1]) != values;
    if (!lastOfRun) {
      words.push_back(keys[i].key + ",");
      continue;
    }
    words.push_back(keys[i].key);
    words.push_back("(" + values + (i + 1 == keys.size() ? ")." : "),"));
  }
  constexpr std::size_t kIndent = 24;
  constexpr std::size_t kWidth = 78;
  std::string text;
  std::string line(kIndent, ' ');
  for (const std::string& word : words) {
    if (line.size() > kIndent && line.size() + 1 + word.size() > kWidth) {
      text += line + "\n";
      line.assign(kIndent, ' ');
    }
    if (line.size() > kIndent) line += ' ';
    line += word;
  }
  return text + line + "\n";
}

// An option that takes a value: `missing` is the error when no value
// follows; `apply` stores the value and returns an error, or "" when the
// value is accepted. An option that only names something has no `apply`:
// the name goes to `named`, and `missing` is also the error for an empty
// name (or for '-', where it cannot stand for a standard stream).
struct ValueOption {
  std::string_view name;
  const char* missing;
  std::string (*apply)(CliOptions&, const std::string& value);
  std::string CliOptions::*named = nullptr;
  bool refusesDash = false;
};

// The options with a value, each with its checks.
const ValueOption kValueOptions[] = {
    {"--calc", "--calc needs a calculation number (0-41)",
     [](CliOptions& o, const std::string& text) -> std::string {
       return WholeNumberOption("--calc", text, 0, kCalculationCount - 1, "a calculation number",
                                o.calculation);
     }},
    {"--in", "--in needs a file name or '-'", nullptr, &CliOptions::input},
    {"--out", "--out needs a file name or '-'", nullptr, &CliOptions::output},
    {"--set", "--set needs KEY=VALUE",
     [](CliOptions& o, const std::string& text) -> std::string {
       const std::size_t equals = text.find('=');
       if (equals == std::string::npos) return "--set: " + Quoted(text) + " is not KEY=VALUE";
       std::string key = text.substr(0, equals);
       std::string setting = text.substr(equals + 1);
       if (!ShapesCalculation(key)) return "--set: unknown key " + Quoted(key);
       Settings scratch;
       if (!SetSettingFromText(scratch, key, setting)) {
         return "--set: " + Quoted(setting) + " is not a valid value for " + key;
       }
       std::string error = DocumentedValueError(key, setting);
       if (!error.empty()) return error;
       o.settings.emplace_back(std::move(key), std::move(setting));
       return "";
     }},
    {"--sheet", "--sheet needs a sheet name or number", nullptr, &CliOptions::sheet},
    {"--delimiter", "--delimiter needs a delimiter text",
     [](CliOptions& o, const std::string& text) -> std::string {
       if (text.empty())
         return "--delimiter needs a delimiter text (tab, space, any or characters)";
       o.delimiter = text;
       return "";
     }},
    {"--out-delimiter", "--out-delimiter needs a delimiter text",
     [](CliOptions& o, const std::string& text) -> std::string {
       if (text.empty()) return "--out-delimiter needs a delimiter text (tab, space or characters)";
       if (std::optional<std::string> why =
               UnreadableOutputDelimiter(OutputDelimiterFromListText(text))) {
         return "--out-delimiter: " + PlainMessage(*why);
       }
       o.outputDelimiter = text;
       return "";
     }},
    {"--map", "--map needs 11 column numbers",
     [](CliOptions& o, const std::string& text) -> std::string {
       o.map = ParseNumberList<kSlotCount>(text, kManuallyFixed);
       if (!o.map)
         return "--map: " + Quoted(text) + " is not 11 comma-separated numbers of -1 or more";
       return "";
     }},
    {"--fix", "--fix needs SLOT=TEXT",
     [](CliOptions& o, const std::string& text) -> std::string {
       const std::size_t equals = text.find('=');
       const std::optional<int> slot = equals == std::string::npos
                                           ? std::nullopt
                                           : ParseInt(std::string_view(text).substr(0, equals));
       if (!slot || *slot < 0 || *slot > 12) {
         return "--fix: " + Quoted(text) + " is not SLOT=TEXT with an entry box SLOT of 0-12";
       }
       o.fixes.emplace_back(*slot, text.substr(equals + 1));
       return "";
     }},
    {"--decimal-char", "--decimal-char must be '.' or ','",
     [](CliOptions& o, const std::string& text) -> std::string {
       if (text != "." && text != ",") return "--decimal-char must be '.' or ','";
       o.decimalChar = text[0];
       return "";
     }},
    {"--jobs", "--jobs needs a number of workers (1 or more)",
     [](CliOptions& o, const std::string& text) -> std::string {
       return WholeNumberOption("--jobs", text, 1, kMaxJobs, "a number of workers", o.jobs);
     }},
    {"--survey", "--survey needs a survey file name", nullptr, &CliOptions::survey, true},
    {"--hole-column", "--hole-column needs a column number",
     [](CliOptions& o, const std::string& text) -> std::string {
       return WholeNumberOption("--hole-column", text, 1, INT_MAX, "a column number", o.holeColumn);
     }},
    {"--depth-column", "--depth-column needs a column number",
     [](CliOptions& o, const std::string& text) -> std::string {
       return WholeNumberOption("--depth-column", text, 1, INT_MAX, "a column number",
                                o.depthColumn);
     }},
    {"--survey-columns", "--survey-columns needs 4 column numbers",
     [](CliOptions& o, const std::string& text) -> std::string {
       return FourColumnsOption("--survey-columns", text, "hole,depth,azimuth,dip",
                                o.surveyColumns);
     }},
    {"--collars", "--collars needs a collar file name", nullptr, &CliOptions::collars, true},
    {"--collar-columns", "--collar-columns needs 4 column numbers",
     [](CliOptions& o, const std::string& text) -> std::string {
       return FourColumnsOption("--collar-columns", text, "hole,easting,northing,elevation",
                                o.collarColumns);
     }},
    {"--plot", "--plot needs an SVG file name", nullptr, &CliOptions::plotFile},
    {"--plot-type", "--plot-type must be 'area' or 'angle'",
     [](CliOptions& o, const std::string& text) -> std::string {
       if (text != "area" && text != "angle") return "--plot-type must be 'area' or 'angle'";
       o.plotEqualAngle = text == "angle";
       return "";
     }},
    {"--planes-as", "--planes-as must be 'circles' or 'poles'",
     [](CliOptions& o, const std::string& text) -> std::string {
       if (text != "circles" && text != "poles") return "--planes-as must be 'circles' or 'poles'";
       o.planesAsPoles = text == "poles";
       return "";
     }},
    {"--axes", "--axes must be 0, 1, 2 or 3",
     [](CliOptions& o, const std::string& text) -> std::string {
       const std::optional<int> n = ParseInt(text);
       if (!n || *n < 0 || *n > 3) return "--axes must be 0, 1, 2 or 3";
       o.plotAxes = *n;
       return "";
     }},
    {"--plot-show", "--plot-show needs a list of result, A, B, C, D",
     [](CliOptions& o, const std::string& text) -> std::string {
       const auto shown = ParseShownKinds(text);
       if (!shown) return "--plot-show needs a list of result, A, B, C, D";
       o.plotShow = *shown;
       return "";
     }},
};

// The options without a value: each sets its flag.
struct FlagOption {
  std::string_view name;
  bool CliOptions::*flag;
};
constexpr FlagOption kFlagOptions[] = {
    {"--headings", &CliOptions::headings},
    {"--captions", &CliOptions::captions},
    {"--retain-input", &CliOptions::retainInput},
    {"--results-first", &CliOptions::resultsFirst},
    {"--keep-nondata", &CliOptions::keepNonData},
    {"--input-headers", &CliOptions::inputHeaders},
    {"--app-dip-columns", &CliOptions::apparentDipColumns},
    {"--ref-plane-columns", &CliOptions::referencePlaneColumns},
    {"--ambiguous-columns", &CliOptions::ambiguousColumns},
    {"--second-result-columns", &CliOptions::secondResultColumns},
    {"--append", &CliOptions::append},
    {"--stats", &CliOptions::stats},
    {"--axis-columns", &CliOptions::axisColumns},
    {"--quiet", &CliOptions::quiet},
};

// The options with a value given, in order (--set and --fix, which may come
// more than once, left out).
using GivenOptions = std::vector<std::string>;

bool IsGiven(const GivenOptions& given, std::string_view name) {
  return std::find(given.begin(), given.end(), name) != given.end();
}

// The rules of the survey options, once all are read; "" when they hold.
std::string SurveyCombination(const CliOptions& options, const GivenOptions& given) {
  for (const char* name : {"--hole-column", "--depth-column", "--survey-columns", "--collars"}) {
    if (options.survey.empty() && IsGiven(given, name)) {
      return std::string(name) + " needs --survey";
    }
  }
  if (options.axisColumns && options.survey.empty()) return "--axis-columns needs --survey";
  if (options.collars.empty() && IsGiven(given, "--collar-columns")) {
    return "--collar-columns needs --collars";
  }
  if (options.survey.empty()) return "";
  if (options.holeColumn == 0 || options.depthColumn == 0) {
    return "--survey needs --hole-column and --depth-column";
  }
  if (options.holeColumn == options.depthColumn) {
    return "--hole-column and --depth-column name the same column";
  }
  if (CalculationAt(options.calculation).c != WindowUse::kCoreAxis) {
    return "--survey: calculation " + std::to_string(options.calculation) + " reads no core axis";
  }
  // Boxes 6 and 7 hold the core axis, which the survey gives.
  if (options.map && ((*options.map)[6] != kNoColumn || (*options.map)[7] != kNoColumn)) {
    return "--survey gives the core axis: --map must leave boxes 6 and 7 at 0";
  }
  for (const auto& [slot, text] : options.fixes) {
    if (slot == 6 || slot == 7) return "--survey gives the core axis: --fix cannot set box 6 or 7";
  }
  return "";
}

// The rules between options, once all are read; "" when they hold.
std::string CheckCombination(const CliOptions& options, const GivenOptions& given) {
  if (options.calculation < 0) return "--calc is required";
  if ((options.resultsFirst || options.keepNonData) && !options.retainInput) {
    return std::string(options.resultsFirst ? "--results-first" : "--keep-nondata") +
           " needs --retain-input";
  }
  if (options.inputHeaders && !(options.retainInput && options.headings)) {
    return "--input-headers needs --retain-input and --headings";
  }
  if (options.contour && options.plotFile.empty()) return "--contour needs --plot";
  // The last drawing option given is named.
  const auto plotDetail = std::find_if(given.rbegin(), given.rend(), [](std::string_view name) {
    return name == "--plot-type" || name == "--planes-as" || name == "--axes" ||
           name == "--plot-show";
  });
  if (plotDetail != given.rend() && options.plotFile.empty()) return *plotDetail + " needs --plot";
  return SurveyCombination(options, given);
}

}  // namespace

CliParse ParseCliArguments(const std::vector<std::string>& arguments) {
  CliParse parse;
  CliOptions options;
  GivenOptions given;
  auto fail = [&parse](std::string message) {
    parse.error = std::move(message);
    parse.options.reset();
    return parse;
  };

  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      parse.options = options;
      return parse;
    }
  }

  for (std::size_t i = 0; i < arguments.size(); ++i) {
    // "--name=value" or "--name value".
    std::string name = arguments[i];
    std::optional<std::string> inlineValue;
    if (name.rfind("--", 0) == 0) {
      const std::size_t equals = name.find('=');
      if (equals != std::string::npos) {
        inlineValue = name.substr(equals + 1);
        name.resize(equals);
      }
    }
    // --contour takes its method only when one follows: a next argument
    // that is not an option names it.
    if (name == "--contour") {
      if (!inlineValue && i + 1 < arguments.size() && arguments[i + 1].rfind("--", 0) != 0) {
        inlineValue = arguments[++i];
      }
      options.contour = inlineValue ? Plot::DensityMethodFromName(*inlineValue)
                                    : Plot::DensityMethod::kExponentialKamb;
      if (!options.contour) return fail("--contour must be exp-kamb, kamb or count");
      continue;
    }
    const auto valueOption = std::find_if(std::begin(kValueOptions), std::end(kValueOptions),
                                          [&name](const ValueOption& o) { return o.name == name; });
    if (valueOption != std::end(kValueOptions)) {
      // Only --set and --fix add up; a second value of any other would
      // silently replace the first.
      if (name != "--set" && name != "--fix") {
        if (IsGiven(given, name)) return fail(name + " is given more than once");
        given.push_back(name);
      }
      if (!inlineValue && i + 1 >= arguments.size()) return fail(valueOption->missing);
      const std::string value = inlineValue ? *inlineValue : arguments[++i];
      if (valueOption->apply == nullptr) {
        if (value.empty() || (valueOption->refusesDash && value == "-")) {
          return fail(valueOption->missing);
        }
        options.*(valueOption->named) = value;
        continue;
      }
      std::string error = valueOption->apply(options, value);
      if (!error.empty()) return fail(std::move(error));
      continue;
    }
    const auto flagOption = std::find_if(std::begin(kFlagOptions), std::end(kFlagOptions),
                                         [&name](const FlagOption& o) { return o.name == name; });
    if (flagOption != std::end(kFlagOptions)) {
      options.*(flagOption->flag) = true;
      if (inlineValue) return fail(std::string(flagOption->name) + " takes no value");
      continue;
    }
    return fail("unknown option " + Quoted(arguments[i]));
  }

  std::string error = CheckCombination(options, given);
  if (!error.empty()) return fail(std::move(error));
  parse.options = std::move(options);
  return parse;
}

std::string UsageText() {
  return "usage: lodema-batch --calc N [--in FILE] [--out FILE] [--set KEY=VALUE ...]\n"
         "         [--delimiter TEXT] [--out-delimiter TEXT] [--map c0,c1,...,c10]\n"
         "         [--fix SLOT=TEXT ...] [--headings] [--captions] [--retain-input]\n"
         "         [--results-first] [--keep-nondata] [--input-headers] [--app-dip-columns]\n"
         "         [--ref-plane-columns] [--ambiguous-columns] [--second-result-columns]\n"
         "         [--append] [--decimal-char C] [--quiet]\n"
         "         [--plot FILE.svg [--plot-type area|angle] [--planes-as circles|poles]\n"
         "          [--axes 0-3] [--plot-show result,A,B,C,D]\n"
         "          [--contour [exp-kamb|kamb|count]]] [--stats]\n"

         "       lodema-batch --help\n"
         "       lodema-batch --version\n";
}

std::string HelpText() {
  return UsageText() +
         R"(
Runs one Lodema calculation over every row of a delimited text file or of a
workbook sheet (.xlsx, .ods), exactly
as "Start input" on the main window's file page, and writes one output line
per data row (CR LF line ends). Settings start from Lodema's built-in
defaults, never from a user's stored preferences, so a run is reproducible.
Summary messages go to standard error; so does a progress line (rows done,
rows per second) when a run lasts over a second and standard error is a
terminal.

Required:
  --calc N              calculation number 0-41 (0: line of intersection of
                        planes A and B).               Example: --calc 0

Files:
  --in FILE             input file; '-' or no --in reads standard input.
                                                       Example: --in data.txt
  --out FILE            output file; '-' or no --out writes standard output.
                        A name ending in .xlsx writes a workbook: numbers
                        as number cells showing the same digits, other
                        fields as text cells.  Example: --out results.txt
  --quiet               no progress line.

Conventions:
  --set KEY=VALUE       a setting of the "Conventions" or "StartUp" section,
)" + SettableKeysHelp() +
         R"(                        Repeatable.    Example: --set PlaneConvIn=3 --set QuadrantOut=1
  --decimal-char C      decimal character of the results, '.' or ','; by
                        default the locale's.          Example: --decimal-char ,

Input:
  --delimiter TEXT      input delimiter: tab (default), space, ",", ";", any
                        (comma, semicolon, blank or TAB) or other text, each
                        character of which separates fields.
                                                       Example: --delimiter any
  --sheet NAME|N        the sheet of a workbook input (.xlsx or .ods, told
                        by its content) to read: its name, or its position
                        from 1; by default the first. A workbook's cells
                        are its fields, whatever --delimiter says.
                                                       Example: --sheet Bedding
  --headings            the first line is a header line, not data.
  --map c0,...,c10      the column of each entry box 0-10 (A: 0-2, B: 3-5,
                        C: 6-7, D: 8-10): n column n, 0 none, -1 the box's
                        window is manually fixed. By default the visible
                        boxes take columns 1, 2, 3, ... in order.
                                                       Example: --map 1,2,0,3,4,0,0,0,0,0,0
  --fix SLOT=TEXT       types TEXT into entry box SLOT (0-12) and fixes its
                        window for every row: an obtuse flag, a rotation
                        angle, or the section trend (11 or 12, which also
                        ticks "Show apparent dip"). Repeatable.
                                                       Example: --calc 2 --fix 6=Y

Output:
  --out-delimiter TEXT  output delimiter: tab (default), space or text.
                                                       Example: --out-delimiter ,
  --append              append to the output file ("Append data"); by
                        default it is emptied first ("Replace data").
                        Not for an .xlsx output.
  --captions            write a header line of result column labels.
  --retain-input        copy each input line into its output line.
  --results-first       result columns before the input (with --retain-input).
  --keep-nondata        copy non-data rows with empty result fields
                        (with --retain-input).
  --input-headers       copy the input header line (with --retain-input and
                        --headings).
  --app-dip-columns     add the apparent dip (or pitch) angle and sense
                        (with --fix 12=TREND on a calculation that offers it).
  --ref-plane-columns   add the reference plane solution (19, 21-23, 40).
  --ambiguous-columns   add the second reference plane, if any (21-23, 40).
  --second-result-columns  add the result from the second reference plane.

Speed:
  --jobs N              share the rows out to N workers (default: one per
                        processor core); the output is the same for every N.
                        --jobs 1 works row after row.  Example: --jobs 2

Stereonet:
  --plot FILE.svg       also draw every written result row on a lower-hemisphere
                        stereonet, as if each had been retained on the plot
                        window, and save it as an SVG image (with a legend);
                        '-' writes standard output (the results then need
                        --out). Neither the input nor the output file.
                                                       Example: --plot net.svg
  --plot-type T         area (equal area, default) or angle (equal angle).
  --planes-as P         circles (great circles, default) or poles.
  --axes N              0 simple ticks (default), 1 quadrant ticks,
                        2 quadrant axes, 3 polar axes.
  --plot-show LIST      which data to draw, comma-separated: result (default),
                        A, B, C, D (the entry windows).
                                                       Example: --plot-show result,A,B
  --contour [M]         contour the density of the written results (poles of
                        planes, lines) under the data: exp-kamb (exponential
                        Kamb, the default) or kamb, in standard deviations,
                        or count (1% area count, in multiples of the uniform
                        density). The legend lists the levels.
                                                       Example: --contour kamb

Statistics:
  --stats               after the summary, write to standard error the
                        statistics of the written results taken as axes
                        (poles of planes, lines), orientations in the output
                        conventions: the mean with its resultant R,
                        concentration k and 95% cone, the orientation
                        tensor's eigenvalues and eigenvectors, Woodcock's K
                        and C, and the best-fit great circle.

Drill-hole surveys (core calculations 17-23, 37-41):
  --survey FILE         take each row's core axis (window C) from the hole's
                        down-hole survey: the direction at the row's depth by
                        minimum-curvature interpolation between the stations
                        above and below it. The survey's dips and azimuths
                        follow the drill-core and input conventions, as core
                        axis columns do; a first line that is not numeric is
                        a heading. Boxes 6 and 7 then take no column.
                                                       Example: --survey survey.txt
  --hole-column N       the input column holding the row's hole name.
  --depth-column N      the input column holding the row's depth along the
                        hole.
  --survey-columns h,d,a,p  the survey's columns of hole, depth, azimuth and
                        dip (default 1,2,3,4).
  --collars FILE        the holes' collars (hole, easting, northing,
                        elevation): add each row's easting, northing and
                        elevation after the results.
  --collar-columns h,e,n,z  the collar file's columns (default 1,2,3,4).
  --axis-columns        add the core axis taken from the survey (plunge and
                        trend as typed) after the results.

Examples:
  lodema-batch --calc 0 --in planes.txt --out lines.txt --captions --retain-input
  lodema-batch --calc 0 < planes.txt > lines.txt

Exit status: 0 the run completed (non-data rows included); 1 the input or
output could not be opened or written, the input could not be read to its
end, or no valid line was found (the output and plot files keep what they
held); 2 a usage error.
)";
}

bool AsksForVersion(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == "--version") return true;
    if (argument == "--help" || argument == "-h") return false;
  }
  return false;
}

std::string BatchVersionText() { return std::string("lodema-batch ") + kLodemaVersion + "\n"; }

}  // namespace Lodema
