#include "colors.inc"
#include "shapes.inc"
#include "textures.inc"
light_source { <2.400000, 2.400000, 2.400000> color White}

cone {
<0.000000,0.000000,-0.000000>,0.100000
<0.000000,1.000000,-0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,1.000000,-0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 0.600000, 1.200000>
look_at   <0, 0.600000,  0>
}
