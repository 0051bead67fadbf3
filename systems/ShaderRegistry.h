#pragma once

#include <map>
#include <string>

#include "systems/Shader.h"

// The process-wide registry of shader programs by name ("sprite", "line", "text"). Entries are
// never removed and programs never deleted.
class ShaderRegistry {
public:
    // Reads both source files (through ContentFile) and compiles them. A file that cannot be
    // read gives empty source, which the compile step reports.
    static Shader LoadShaderFromFile(const std::string& vertexPath,
                                     const std::string& fragmentPath);

    // Loads a program and enters it under the name, replacing an earlier entry (whose program
    // stays alive); returns the stored copy.
    static Shader LoadShader(const std::string& vertexPath, const std::string& fragmentPath,
                             const std::string& name);

    // The entry of a name; an absent name is entered with program 0, which draws nothing.
    static Shader GetShader(const std::string& name);

    // Every entry, in key order.
    static const std::map<std::string, Shader>& Entries();

private:
    static std::map<std::string, Shader>& Registry();
};
