#include "colors.inc"
#include "shapes.inc"
#include "textures.inc"
light_source { <0.000000, 0.000000, 0.000000> color White}

camera {location  <1, 0.000000, 0.000000>
look_at   <0, 0.000000,  0>
}
