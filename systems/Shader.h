#pragma once

#include <cstdint>
#include <string>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

// An OpenGL shader program, copied by value; ID 0 is no program. Uniforms are looked up by
// name at every use.
class Shader {
public:
    // Builds the program from the two sources. Compile and link errors are printed and the
    // program's name is kept all the same: the game runs on with whatever the driver made.
    void Compile(const char* vertexSource, const char* fragmentSource);

    // Prints the compile log of a shader object ("VERTEX", "FRAGMENT") or the link log of a
    // program ("PROGRAM") when it failed.
    static void CheckCompileErrors(std::uint32_t object, const std::string& type);

    void Use() const;

    void SetFloat(const char* name, float value) const;
    void SetInteger(const char* name, std::int32_t value) const;
    void SetVector3f(const char* name, const glm::vec3& value) const;
    void SetVector4f(const char* name, const glm::vec4& value) const;
    void SetMatrix4(const char* name, const glm::mat4& matrix) const;

    std::uint32_t ID = 0;
};
