#include "systems/Shader.h"

#include <iostream>
#include <sstream>

#include <GL/glew.h>
#include <glm/gtc/type_ptr.hpp>

namespace {
constexpr GLsizei InfoLogSize = 1024;
}  // namespace

void Shader::Compile(const char* vertexSource, const char* fragmentSource) {
    const GLuint vertex = glCreateShader(GL_VERTEX_SHADER);
    glShaderSource(vertex, 1, &vertexSource, nullptr);
    glCompileShader(vertex);
    CheckCompileErrors(vertex, "VERTEX");

    const GLuint fragment = glCreateShader(GL_FRAGMENT_SHADER);
    glShaderSource(fragment, 1, &fragmentSource, nullptr);
    glCompileShader(fragment);
    CheckCompileErrors(fragment, "FRAGMENT");

    ID = glCreateProgram();
    glAttachShader(ID, vertex);
    glAttachShader(ID, fragment);
    glLinkProgram(ID);
    CheckCompileErrors(ID, "PROGRAM");

    // The program keeps the shaders alive for as long as it needs them.
    glDeleteShader(vertex);
    glDeleteShader(fragment);
}

void Shader::CheckCompileErrors(std::uint32_t object, const std::string& type) {
    GLint success = GL_FALSE;
    const bool program = type == "PROGRAM";
    if (program) {
        glGetProgramiv(object, GL_LINK_STATUS, &success);
    } else {
        glGetShaderiv(object, GL_COMPILE_STATUS, &success);
    }
    if (success != GL_FALSE) {
        return;
    }
    GLchar infoLog[InfoLogSize] = {};
    if (program) {
        glGetProgramInfoLog(object, InfoLogSize, nullptr, infoLog);
    } else {
        glGetShaderInfoLog(object, InfoLogSize, nullptr, infoLog);
    }
    // One write, so the report is never interleaved with other output.
    std::ostringstream report;
    report << (program ? "| ERROR::Shader: Link-time error: Type: "
                       : "| ERROR::SHADER: Compile-time error: Type: ")
           << type << "\n"
           << infoLog << "\n -- --------------------------------------------------- -- "
           << std::endl;
    std::cout << report.str() << std::flush;
}

void Shader::Use() const {
    glUseProgram(ID);
}

void Shader::SetFloat(const char* name, float value) const {
    glUniform1f(glGetUniformLocation(ID, name), value);
}

void Shader::SetInteger(const char* name, std::int32_t value) const {
    glUniform1i(glGetUniformLocation(ID, name), value);
}

void Shader::SetVector3f(const char* name, const glm::vec3& value) const {
    glUniform3f(glGetUniformLocation(ID, name), value.x, value.y, value.z);
}

void Shader::SetVector4f(const char* name, const glm::vec4& value) const {
    glUniform4f(glGetUniformLocation(ID, name), value.x, value.y, value.z, value.w);
}

void Shader::SetMatrix4(const char* name, const glm::mat4& matrix) const {
    glUniformMatrix4fv(glGetUniformLocation(ID, name), 1, GL_FALSE, glm::value_ptr(matrix));
}
