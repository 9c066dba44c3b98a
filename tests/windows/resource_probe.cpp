// Reads the version information and the application manifest back from a
// built ordovan.exe with the system's own functions, and checks them against
// the project version. Windows only (run under Wine here).
//   resource_probe PROGRAM.exe VERSION

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

int failures = 0;

void Check(bool ok, const std::string& what) {
  if (!ok) {
    ++failures;
    std::printf("FAILED: %s\n", what.c_str());
  }
}

// A path as the test suite passes it (a POSIX path under Wine) in Windows form.
std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string StringValue(std::vector<char>& info, const char* name) {
  std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
  char* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) ||
      value == nullptr) {
    return "(missing)";
  }
  return std::string(value, length > 0 ? length - 1 : 0);
}

void CheckVersionInfo(const std::string& path, const std::string& version) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  Check(size > 0, "the program has version information");
  if (size == 0) return;
  std::vector<char> info(size);
  Check(GetFileVersionInfoA(path.c_str(), 0, size, info.data()) != 0, "GetFileVersionInfoA");

  const std::pair<const char*, std::string> expected[] = {
      {"ProductName", "Ordovan"},        {"CompanyName", "The Ordovan authors"},
      {"OriginalFilename", "ordovan.exe"}, {"InternalName", "ordovan"},
      {"FileVersion", version},           {"ProductVersion", version},
  };
  for (const auto& [name, value] : expected) {
    std::string got = StringValue(info, name);
    Check(got == value, std::string(name) + " is \"" + got + "\", not \"" + value + "\"");
  }
  for (const char* name : {"FileDescription", "LegalCopyright"}) {
    std::string got = StringValue(info, name);
    Check(!got.empty() && got != "(missing)", std::string(name) + " is given");
  }

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  Check(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length) && fixed,
        "fixed file information");
  if (fixed == nullptr) return;
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "%lu.%lu.%lu",
                static_cast<unsigned long>(HIWORD(fixed->dwFileVersionMS)),
                static_cast<unsigned long>(LOWORD(fixed->dwFileVersionMS)),
                static_cast<unsigned long>(HIWORD(fixed->dwFileVersionLS)));
  Check(numbers == version, std::string("binary file version ") + numbers);
  Check(fixed->dwFileType == VFT_APP, "the file type is an application");
}

void CheckManifest(const std::string& path, const std::string& version) {
  HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  Check(module != nullptr, "the program loads as a data file");
  if (module == nullptr) return;
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  Check(found != nullptr, "an application manifest (RT_MANIFEST 1)");
  if (found != nullptr) {
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    std::string manifest(bytes, SizeofResource(module, found));
    auto has = [&](const std::string& text) { return manifest.find(text) != std::string::npos; };
    Check(has("level=\"asInvoker\""), "runs asInvoker");
    for (const char* os : {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",   // 7
                           "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",   // 8
                           "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",   // 8.1
                           "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {  // 10, 11
      Check(has(std::string("<supportedOS Id=\"") + os + "\"/>"), std::string("supportedOS ") + os);
    }
    Check(has(">true</longPathAware>"), "longPathAware");
    Check(!has("<activeCodePage"), "no active code page");
    Check(has("version=\"" + version + ".0\""), "manifest version " + version + ".0");
  }
  FreeLibrary(module);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::printf("usage: resource_probe PROGRAM.exe VERSION\n");
    return 2;
  }
  std::string path = WindowsPath(argv[1]);
  CheckVersionInfo(path, argv[2]);
  CheckManifest(path, argv[2]);
  std::printf("%s: %d failures\n", path.c_str(), failures);
  return failures == 0 ? 0 : 1;
}
