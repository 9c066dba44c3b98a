#pragma once

#include <string>
#include <string_view>

class Exception;

// The two lines printed at the start of every run.
std::string_view BannerLine();
std::string_view NoticeLine();

// The two-line report of an error that ended the run, without the final CR LF.
std::string ErrorReport(const Exception& error, const std::string& moduleName);

// The whole run: banner, configuration, chain, closing line and final title,
// then the end of the program. Errors that end the run are reported here.
// Never returns.
[[noreturn]] void RunProgram();
