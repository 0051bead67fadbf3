#include "systems/ShaderRegistry.h"

#include <iostream>
#include <iterator>

#include "Core/ContentFile.h"

namespace {

std::string ReadSource(const std::string& path) {
    ContentFile file(path);
    std::istream& text = file.Text();
    text.exceptions(std::ios::badbit);
    return {std::istreambuf_iterator<char>(text), std::istreambuf_iterator<char>()};
}

}  // namespace

std::map<std::string, Shader>& ShaderRegistry::Registry() {
    static std::map<std::string, Shader> registry;
    return registry;
}

Shader ShaderRegistry::LoadShaderFromFile(const std::string& vertexPath,
                                          const std::string& fragmentPath) {
    std::string vertexSource;
    std::string fragmentSource;
    try {
        vertexSource = ReadSource(vertexPath);
        fragmentSource = ReadSource(fragmentPath);
    } catch (const std::ios_base::failure&) {
        std::cout << "ERROR::SHADER: Failed to read shader files" << std::endl;
    }
    Shader shader;
    shader.Compile(vertexSource.c_str(), fragmentSource.c_str());
    return shader;
}

Shader ShaderRegistry::LoadShader(const std::string& vertexPath, const std::string& fragmentPath,
                                  const std::string& name) {
    return Registry()[name] = LoadShaderFromFile(vertexPath, fragmentPath);
}

Shader ShaderRegistry::GetShader(const std::string& name) {
    return Registry()[name];
}

const std::map<std::string, Shader>& ShaderRegistry::Entries() {
    return Registry();
}
