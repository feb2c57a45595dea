#pragma once

#include <optional>
#include <string>

namespace tandem::engine {

// What the combined session is called, from both input paths.
struct OutputNames {
    // File 1's file name without its ".sesx" (its last five characters).
    std::string firstName;
    // File 2's file name, whole and without its last five characters.
    std::string secondFileName;
    std::string secondName;
};

// Nothing when either file name is shorter than the five characters to drop.
std::optional<OutputNames> MakeOutputNames(const std::string& firstPath, const std::string& secondPath);

// The target folder, then "<first name> + <second file name>".
std::string OutputPath(const std::string& targetFolder, const OutputNames& names);

// "<name>first+second</name>", with the names escaped for XML.
std::string SessionNameLine(const OutputNames& names);

} // namespace tandem::engine
