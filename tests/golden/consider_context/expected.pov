#include "colors.inc"
#include "shapes.inc"
#include "textures.inc"
light_source { <0.000000, 0.000000, 0.000000> color White}

cone {
<0.000000,0.000000,-0.000000>,0.100000
<0.707107,0.707107,-0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.707107,0.707107,-0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 0.000000, 0.000000>
look_at   <0, 0.000000,  0>
}
