#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

// The command line as a script uses it: arguments in; standard output, standard error and the
// exit status out. Everything runs inside a scratch folder, which also holds the German locale
// that --locale reads (through $LOCPATH, so the system needs none of its own).
class CliTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string pattern = testing::TempDir() + "bandwise-cli-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        s_scratch = pattern;
        std::filesystem::create_directory(s_scratch / "locales");
        const std::string command =
            "localedef -i de_DE -f UTF-8 '" + (s_scratch / "locales" / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
        static_cast<void>(std::system(command.c_str()));
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(s_scratch); }

    struct Ran {
        int status = -1;
        std::string out;
        std::string err;
    };
    static Ran run(const std::string& args)
    {
        const std::filesystem::path err = s_scratch / "stderr";
        const std::string command = "cd '" + s_scratch.string() + "' && LOCPATH=locales '" BANDWISE_CLI "' " + args +
            " 2>'" + err.string() + "'";
        Ran ran;
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            ran.out.append(buffer, n);
        const int status = ::pclose(pipe);
        ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ostringstream text;
        text << std::ifstream(err).rdbuf();
        ran.err = text.str();
        return ran;
    }

    static inline std::filesystem::path s_scratch;
};

struct Row {
    const char* name;
    const char* args;  // as a shell reads them
    int status;
    const char* out;  // all of stdout; with status 0 and `whole` false, a part of it
    bool whole = true;
};

TEST_F(CliTest, commandsAnswerOnStdoutAndFailWithStatusAndReason)
{
    const Row rows[] = {
        {"decode", "decode yellow violet red gold", 0, "4700\u00B15%\n"},
        {"language", "--language Espa\u00F1ol decode Marr\u00F3n NEGRO negro MARR\u00D3N marr\u00F3n rojo", 0,
            "1000\u00B11% 50 ppm\n"},
        {"locale", "--locale de_DE.UTF-8 decode yellow violet gold", 0, "4,7\u00B120%\n"},
        {"json", "--json decode yellow violet red gold", 0,
            R"({"command":"decode","value":"4700±5%","ohms":4700,"tolerance_percent":5,"tempco_ppm":null})"
            "\n"},
        {"encode", "encode 4k7 --bands 5 --tolerance 1%", 0, "Yellow Violet Black Brown Brown\n"},
        {"encodeInLanguage", "--language 'Portugu\u00EAs (Brasil)' encode 10k --tolerance=5", 0,
            "Marrom Preto Laranja Dourado\n"},
        {"smdCode", "smd 68b", 0, "4.99 k\u03A9 (EIA-96)\n"},
        {"smdValue", "smd 4k99", 0, "4991 (4-digit)\n68B (EIA-96)\n"},
        {"nearest", "nearest 4.8k --series E24", 0, "4.7 k\u03A9 -2.08%\n5.1 k\u03A9 +6.25%\n"},
        {"combine", "combine 5k --series e12 --max 1 --exclude 4k7", 0, "5K6 = 5.6 k\u03A9 +12.000%\n"},
        // Only 1 Ω parts: 1 + 1 is 2 exactly, 1 alone is 50 % low and 1 ∥ 1 75 % low.
        {"combineJson", "--json combine 2 --series E1 --max 2 --lowest 1 --highest 1", 0,
            R"({"command":"combine","series":"E1","ohms":2,"combinations":[)"
            R"({"topology":"series2","network":"1R0 + 1R0","parts":[1,1],"ohms":2,"ohms_exact":true,"error_percent":0,"exact_match":true},)"
            R"({"topology":"single","network":"1R0","parts":[1],"ohms":1,"ohms_exact":true,"error_percent":-50,"exact_match":false},)"
            R"({"topology":"parallel2","network":"1R0 ∥ 1R0","parts":[1,1],"ohms":0.5,"ohms_exact":true,"error_percent":-75,"exact_match":false}]})"
            "\n"},
        {"divider", "divider --vin 10V --vout 5 --series E3 --total-min 10k --total-max 20k", 0,
            "R1 = 10K, R2 = 10K: 5 V 0.000%, 0.5 mA\n"},
        {"help", "--help", 0, "divider", false},
        {"commandHelp", "combine --help", 0, "--exclude", false},
        {"version", "--version", 0, "bandwise-cli " BANDWISE_VERSION "\n"},
        {"unknownCommand", "frobnicate 4k7", 2, ""},
        {"unknownOption", "nearest 4k7 --serie E24", 2, ""},
        {"unknownColour", "decode yellow purple red", 2, ""},
        {"colourOutOfPlace", "decode gold violet red", 2, ""},
        {"unreadableValue", "encode 1m", 2, ""},
        {"noAnswer", "divider --vin 10 --vout 5 --total-min 1 --total-max 1.5", 1, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Ran ran = run(row.args);
        EXPECT_EQ(ran.status, row.status);
        if (row.whole)
            EXPECT_EQ(ran.out, row.out);
        else
            EXPECT_NE(ran.out.find(row.out), std::string::npos) << ran.out;
        // A failure says why, and only there.
        EXPECT_EQ(ran.err.empty(), row.status == 0) << ran.err;
    }
}

}  // namespace
