#pragma once

#include <filesystem>
#include <string>

// A file in the program's folder (App.Path): the folder and the name joined with the platform's
// own separator, so that the same names work on every system.
inline std::string besideProgram(const std::string& folder, const char* name)
{
    return folder + static_cast<char>(std::filesystem::path::preferred_separator) + name;
}
