#version 330 core
// xy: the glyph corner in window pixels, y downwards; zw: the texture coordinate.
layout (location = 0) in vec4 vertex;

out vec2 TexCoords;

uniform mat4 projection;
// The world's perspective; set at start, not needed for text laid out in pixels.
uniform mat4 orthoProj;

void main()
{
    TexCoords = vertex.zw;
    gl_Position = projection * vec4(vertex.xy, 0.0, 1.0);
}
