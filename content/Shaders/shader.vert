#version 330 core
// One corner of the unit quad: xy from -1 to 1, zw the texture coordinate.
layout (location = 0) in vec4 vertex;

out vec2 TexCoords;

uniform mat4 model;
uniform mat4 viewmatrix;
uniform mat4 projection;
// 1, or -1 to mirror the picture left to right.
uniform float flip;

void main()
{
    TexCoords = vec2(flip < 0.0 ? 1.0 - vertex.z : vertex.z, vertex.w);
    gl_Position = projection * viewmatrix * model * vec4(vertex.xy, 0.0, 1.0);
}
