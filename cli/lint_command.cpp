// lint: warnings for what the editor would refuse in a document or a user
// would regret, as FILE:LINE: warning: MESSAGE [RULE], or as JSON for CI.
#include <algorithm>

#include "cli/cli_file.h"
#include "cli/commands.h"
#include "cli/json_out.h"
#include "cli/menu_lint.h"
#include "cli/menu_loading.h"

namespace tessary::cli {

namespace {

// Writes the findings as text to err, or gathers them as JSON.
class FindingWriter {
public:
    FindingWriter(bool json, bool quiet, std::ostream& err) : json_(json), quiet_(quiet), err_(err) {}

    void add(const std::string& file, const LintFinding& finding) {
        if (quiet_ && !finding.error) {
            return;
        }
        if (!json_) {
            err_ << file << ':' << finding.line << ": " << (finding.error ? "error" : "warning") << ": "
                 << finding.message;
            if (!finding.error) {
                err_ << " [" << finding.rule << ']';
            }
            err_ << '\n';
            return;
        }
        addJson(file, finding.line, finding.error, finding.error ? "syntax" : finding.rule, finding.message);
    }

    void addFileError(const std::string& file, const std::string& error) {
        if (json_) {
            addJson(file, 0, true, "file", error);
        } else {
            err_ << file << ": error: " << error << '\n';
        }
    }

    void finish(std::ostream& out) {
        if (json_) {
            out << "{\"diagnostics\":[" << jsonItems_ << "]}\n";
        }
    }

private:
    void addJson(const std::string& file, int line, bool error, std::string_view rule, const std::string& message) {
        if (!jsonItems_.empty()) {
            jsonItems_ += ',';
        }
        jsonItems_ += "{\"file\":";
        AppendJsonString(jsonItems_, file);
        jsonItems_ += ",\"line\":" + std::to_string(line) + ",\"severity\":";
        jsonItems_ += error ? "\"error\"" : "\"warning\"";
        jsonItems_ += ",\"rule\":";
        AppendJsonString(jsonItems_, rule);
        jsonItems_ += ",\"message\":";
        AppendJsonString(jsonItems_, message);
        jsonItems_ += '}';
    }

    bool json_;
    bool quiet_;
    std::ostream& err_;
    std::string jsonItems_;
};

}  // namespace

int LintCommand(const Args& args, std::ostream& out, std::ostream& err) {
    constexpr std::string_view kName = "lint";
    bool quiet = false;
    bool json = false;
    Args rest;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--quiet" || arg == "-q") {
            quiet = true;
        } else if (arg == "--format" || arg.starts_with("--format=")) {
            std::string_view value;
            if (arg.size() > 8) {
                value = arg.substr(9);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return UsageError(kName, err, "--format needs a value");
            }
            if (value != "text" && value != "json") {
                return UsageError(kName, err, "unknown format '" + std::string(value) + "'");
            }
            json = value == "json";
        } else {
            rest.push_back(args[i]);
        }
    }
    LoadOptions options;
    int exitCode = kExitOk;
    if (!ParseLoadOptions(kName, rest, false, options, err, exitCode)) {
        return exitCode;
    }
    FindingWriter writer(json, quiet, err);
    for (const std::string& file : options.files) {
        std::string text;
        std::string error;
        if (!ReadDocumentFile(file, text, error)) {
            writer.addFileError(file, error);
            exitCode = std::max(exitCode, kExitUsage);
            continue;
        }
        const LintReport report = lintMenuCode(text, options.kind);
        for (const LintFinding& finding : report.findings) {
            writer.add(file, finding);
        }
        if (!report.findings.empty()) {
            exitCode = std::max(exitCode, kExitFailed);
        }
    }
    writer.finish(out);
    return exitCode;
}

}  // namespace tessary::cli
