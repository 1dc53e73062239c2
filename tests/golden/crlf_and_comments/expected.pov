#include "colors.inc"
#include "shapes.inc"
#include "textures.inc"
light_source { <4.617311, 4.617311, 4.617311> color White}

cone {
<0.000000,0.000000,-0.000000>,0.100000
<0.000000,1.000000,-0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,1.000000,-0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,1.000000,-0.000000>,0.100000
<0.382683,1.923880,-0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,1.923880,-0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,1.000000,-0.000000>,0.100000
<0.382683,1.923880,-0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,1.923880,-0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,1.923880,-0.000000>,0.100000
<1.089790,2.630986,-0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.089790,2.630986,-0.000000>,0.100000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 1.154328, 2.308656>
look_at   <0, 1.154328,  0>
}
