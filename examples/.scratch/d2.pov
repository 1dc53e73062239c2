#include "colors.inc"
light_source { <228.000000, 228.000000, 228.000000> color White}

cone {
<0.000000,0.000000,-0.000000>,0.100000
<0.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,1.000000,-0.000000>,0.250000
<1.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,1.000000,-0.000000>,0.250000
<1.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-0.000000,-0.000000>,0.250000
<2.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-0.000000,-0.000000>,0.250000
<2.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-1.000000,-0.000000>,0.250000
<1.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-1.000000,-0.000000>,0.250000
<1.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-2.000000,-0.000000>,0.250000
<2.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-2.000000,-0.000000>,0.250000
<2.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-3.000000,-0.000000>,0.250000
<1.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-3.000000,-0.000000>,0.250000
<1.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-2.000000,-0.000000>,0.250000
<-0.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-2.000000,-0.000000>,0.250000
<-0.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-3.000000,-0.000000>,0.250000
<-1.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-3.000000,-0.000000>,0.250000
<-1.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-4.000000,-0.000000>,0.250000
<-0.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-4.000000,-0.000000>,0.250000
<-0.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-5.000000,-0.000000>,0.250000
<-1.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-5.000000,-0.000000>,0.250000
<-1.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-4.000000,-0.000000>,0.250000
<-2.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-4.000000,-0.000000>,0.250000
<-2.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-3.000000,-0.000000>,0.250000
<-1.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-3.000000,-0.000000>,0.250000
<-1.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-2.000000,-0.000000>,0.250000
<-2.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-2.000000,-0.000000>,0.250000
<-2.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-3.000000,-0.000000>,0.250000
<-3.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-3.000000,-0.000000>,0.250000
<-3.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-2.000000,-0.000000>,0.250000
<-4.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-2.000000,-0.000000>,0.250000
<-4.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-3.000000,-0.000000>,0.250000
<-5.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-3.000000,-0.000000>,0.250000
<-5.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-4.000000,-0.000000>,0.250000
<-4.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-4.000000,-0.000000>,0.250000
<-4.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-5.000000,-0.000000>,0.250000
<-5.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-5.000000,-0.000000>,0.250000
<-5.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-4.000000,-0.000000>,0.250000
<-6.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-4.000000,-0.000000>,0.250000
<-6.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-3.000000,-0.000000>,0.250000
<-5.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-3.000000,-0.000000>,0.250000
<-5.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-2.000000,-0.000000>,0.250000
<-6.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-2.000000,-0.000000>,0.250000
<-6.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-1.000000,-0.000000>,0.250000
<-5.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-1.000000,-0.000000>,0.250000
<-5.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-2.000000,-0.000000>,0.250000
<-4.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-2.000000,-0.000000>,0.250000
<-4.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-1.000000,-0.000000>,0.250000
<-3.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-1.000000,-0.000000>,0.250000
<-3.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,0.000000,-0.000000>,0.250000
<-4.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,0.000000,-0.000000>,0.250000
<-4.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-1.000000,-0.000000>,0.250000
<-5.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-1.000000,-0.000000>,0.250000
<-5.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,0.000000,-0.000000>,0.250000
<-6.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,0.000000,-0.000000>,0.250000
<-6.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,1.000000,-0.000000>,0.250000
<-5.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,1.000000,-0.000000>,0.250000
<-5.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,2.000000,-0.000000>,0.250000
<-6.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,2.000000,-0.000000>,0.250000
<-6.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,1.000000,-0.000000>,0.250000
<-7.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,1.000000,-0.000000>,0.250000
<-7.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,2.000000,-0.000000>,0.250000
<-8.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,2.000000,-0.000000>,0.250000
<-8.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,1.000000,-0.000000>,0.250000
<-9.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,1.000000,-0.000000>,0.250000
<-9.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,0.000000,-0.000000>,0.250000
<-8.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,0.000000,-0.000000>,0.250000
<-8.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-1.000000,-0.000000>,0.250000
<-9.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-1.000000,-0.000000>,0.250000
<-9.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,0.000000,-0.000000>,0.250000
<-10.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,0.000000,-0.000000>,0.250000
<-10.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,1.000000,-0.000000>,0.250000
<-9.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,1.000000,-0.000000>,0.250000
<-9.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,2.000000,-0.000000>,0.250000
<-10.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,2.000000,-0.000000>,0.250000
<-10.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,3.000000,-0.000000>,0.250000
<-9.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,3.000000,-0.000000>,0.250000
<-9.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,2.000000,-0.000000>,0.250000
<-8.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,2.000000,-0.000000>,0.250000
<-8.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,3.000000,-0.000000>,0.250000
<-7.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,3.000000,-0.000000>,0.250000
<-7.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,4.000000,-0.000000>,0.250000
<-8.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,4.000000,-0.000000>,0.250000
<-8.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,5.000000,-0.000000>,0.250000
<-7.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,5.000000,-0.000000>,0.250000
<-7.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,4.000000,-0.000000>,0.250000
<-6.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,4.000000,-0.000000>,0.250000
<-6.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,3.000000,-0.000000>,0.250000
<-7.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,3.000000,-0.000000>,0.250000
<-7.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,2.000000,-0.000000>,0.250000
<-6.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,2.000000,-0.000000>,0.250000
<-6.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,3.000000,-0.000000>,0.250000
<-5.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,3.000000,-0.000000>,0.250000
<-5.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,2.000000,-0.000000>,0.250000
<-4.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,2.000000,-0.000000>,0.250000
<-4.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,3.000000,-0.000000>,0.250000
<-3.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,3.000000,-0.000000>,0.250000
<-3.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,4.000000,-0.000000>,0.250000
<-4.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,4.000000,-0.000000>,0.250000
<-4.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,3.000000,-0.000000>,0.250000
<-5.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,3.000000,-0.000000>,0.250000
<-5.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,4.000000,-0.000000>,0.250000
<-6.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,4.000000,-0.000000>,0.250000
<-6.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,5.000000,-0.000000>,0.250000
<-5.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,5.000000,-0.000000>,0.250000
<-5.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,6.000000,-0.000000>,0.250000
<-6.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,6.000000,-0.000000>,0.250000
<-6.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,7.000000,-0.000000>,0.250000
<-5.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,7.000000,-0.000000>,0.250000
<-5.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,6.000000,-0.000000>,0.250000
<-4.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,6.000000,-0.000000>,0.250000
<-4.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,7.000000,-0.000000>,0.250000
<-3.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,7.000000,-0.000000>,0.250000
<-3.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,8.000000,-0.000000>,0.250000
<-4.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,8.000000,-0.000000>,0.250000
<-4.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,7.000000,-0.000000>,0.250000
<-5.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,7.000000,-0.000000>,0.250000
<-5.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,8.000000,-0.000000>,0.250000
<-6.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,8.000000,-0.000000>,0.250000
<-6.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,9.000000,-0.000000>,0.250000
<-5.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,9.000000,-0.000000>,0.250000
<-5.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,10.000000,-0.000000>,0.250000
<-6.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,10.000000,-0.000000>,0.250000
<-6.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,9.000000,-0.000000>,0.250000
<-7.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,9.000000,-0.000000>,0.250000
<-7.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,10.000000,-0.000000>,0.250000
<-8.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,10.000000,-0.000000>,0.250000
<-8.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,9.000000,-0.000000>,0.250000
<-9.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,9.000000,-0.000000>,0.250000
<-9.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,8.000000,-0.000000>,0.250000
<-8.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,8.000000,-0.000000>,0.250000
<-8.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,7.000000,-0.000000>,0.250000
<-9.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,7.000000,-0.000000>,0.250000
<-9.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,8.000000,-0.000000>,0.250000
<-10.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,8.000000,-0.000000>,0.250000
<-10.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,9.000000,-0.000000>,0.250000
<-9.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,9.000000,-0.000000>,0.250000
<-9.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,10.000000,-0.000000>,0.250000
<-10.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,10.000000,-0.000000>,0.250000
<-10.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,11.000000,-0.000000>,0.250000
<-9.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,11.000000,-0.000000>,0.250000
<-9.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,10.000000,-0.000000>,0.250000
<-8.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,10.000000,-0.000000>,0.250000
<-8.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,11.000000,-0.000000>,0.250000
<-7.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,11.000000,-0.000000>,0.250000
<-7.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,12.000000,-0.000000>,0.250000
<-8.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,12.000000,-0.000000>,0.250000
<-8.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,13.000000,-0.000000>,0.250000
<-7.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,13.000000,-0.000000>,0.250000
<-7.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,12.000000,-0.000000>,0.250000
<-6.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,12.000000,-0.000000>,0.250000
<-6.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,11.000000,-0.000000>,0.250000
<-7.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,11.000000,-0.000000>,0.250000
<-7.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,10.000000,-0.000000>,0.250000
<-6.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,10.000000,-0.000000>,0.250000
<-6.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,11.000000,-0.000000>,0.250000
<-5.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,11.000000,-0.000000>,0.250000
<-5.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,10.000000,-0.000000>,0.250000
<-4.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,10.000000,-0.000000>,0.250000
<-4.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,11.000000,-0.000000>,0.250000
<-3.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,11.000000,-0.000000>,0.250000
<-3.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,12.000000,-0.000000>,0.250000
<-4.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,12.000000,-0.000000>,0.250000
<-4.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,13.000000,-0.000000>,0.250000
<-3.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,13.000000,-0.000000>,0.250000
<-3.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,12.000000,-0.000000>,0.250000
<-2.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,12.000000,-0.000000>,0.250000
<-2.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,11.000000,-0.000000>,0.250000
<-3.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,11.000000,-0.000000>,0.250000
<-3.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,10.000000,-0.000000>,0.250000
<-2.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,10.000000,-0.000000>,0.250000
<-2.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,9.000000,-0.000000>,0.250000
<-3.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,9.000000,-0.000000>,0.250000
<-3.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,10.000000,-0.000000>,0.250000
<-4.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,10.000000,-0.000000>,0.250000
<-4.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,9.000000,-0.000000>,0.250000
<-5.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,9.000000,-0.000000>,0.250000
<-5.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,8.000000,-0.000000>,0.250000
<-4.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,8.000000,-0.000000>,0.250000
<-4.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,9.000000,-0.000000>,0.250000
<-3.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,9.000000,-0.000000>,0.250000
<-3.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,8.000000,-0.000000>,0.250000
<-2.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,8.000000,-0.000000>,0.250000
<-2.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,7.000000,-0.000000>,0.250000
<-3.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,7.000000,-0.000000>,0.250000
<-3.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,6.000000,-0.000000>,0.250000
<-2.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,6.000000,-0.000000>,0.250000
<-2.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,7.000000,-0.000000>,0.250000
<-1.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,7.000000,-0.000000>,0.250000
<-1.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,6.000000,-0.000000>,0.250000
<0.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.250000
<0.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,7.000000,-0.000000>,0.250000
<1.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,7.000000,-0.000000>,0.250000
<1.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,8.000000,-0.000000>,0.250000
<0.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.250000
<0.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,7.000000,-0.000000>,0.250000
<-1.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,7.000000,-0.000000>,0.250000
<-1.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,8.000000,-0.000000>,0.250000
<-2.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,8.000000,-0.000000>,0.250000
<-2.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,9.000000,-0.000000>,0.250000
<-1.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,9.000000,-0.000000>,0.250000
<-1.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,10.000000,-0.000000>,0.250000
<-2.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,10.000000,-0.000000>,0.250000
<-2.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,11.000000,-0.000000>,0.250000
<-1.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,11.000000,-0.000000>,0.250000
<-1.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,10.000000,-0.000000>,0.250000
<0.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.250000
<0.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,11.000000,-0.000000>,0.250000
<1.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,11.000000,-0.000000>,0.250000
<1.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,12.000000,-0.000000>,0.250000
<0.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.250000
<0.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.250000
<1.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,13.000000,-0.000000>,0.250000
<1.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,12.000000,-0.000000>,0.250000
<2.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,12.000000,-0.000000>,0.250000
<2.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,11.000000,-0.000000>,0.250000
<1.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,11.000000,-0.000000>,0.250000
<1.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,10.000000,-0.000000>,0.250000
<2.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,10.000000,-0.000000>,0.250000
<2.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,11.000000,-0.000000>,0.250000
<3.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,11.000000,-0.000000>,0.250000
<3.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,10.000000,-0.000000>,0.250000
<4.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,10.000000,-0.000000>,0.250000
<4.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,11.000000,-0.000000>,0.250000
<5.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,11.000000,-0.000000>,0.250000
<5.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,12.000000,-0.000000>,0.250000
<4.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,12.000000,-0.000000>,0.250000
<4.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,11.000000,-0.000000>,0.250000
<3.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,11.000000,-0.000000>,0.250000
<3.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,12.000000,-0.000000>,0.250000
<2.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,12.000000,-0.000000>,0.250000
<2.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,13.000000,-0.000000>,0.250000
<3.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,13.000000,-0.000000>,0.250000
<3.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,14.000000,-0.000000>,0.250000
<2.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,14.000000,-0.000000>,0.250000
<2.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,15.000000,-0.000000>,0.250000
<3.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,15.000000,-0.000000>,0.250000
<3.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,14.000000,-0.000000>,0.250000
<4.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,14.000000,-0.000000>,0.250000
<4.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,15.000000,-0.000000>,0.250000
<5.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,15.000000,-0.000000>,0.250000
<5.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,16.000000,-0.000000>,0.250000
<4.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,16.000000,-0.000000>,0.250000
<4.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,15.000000,-0.000000>,0.250000
<3.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,15.000000,-0.000000>,0.250000
<3.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,16.000000,-0.000000>,0.250000
<2.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,16.000000,-0.000000>,0.250000
<2.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,17.000000,-0.000000>,0.250000
<3.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,17.000000,-0.000000>,0.250000
<3.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,18.000000,-0.000000>,0.250000
<2.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,18.000000,-0.000000>,0.250000
<2.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,17.000000,-0.000000>,0.250000
<1.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,17.000000,-0.000000>,0.250000
<1.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,18.000000,-0.000000>,0.250000
<0.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.250000
<0.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.250000
<-1.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,17.000000,-0.000000>,0.250000
<-1.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,16.000000,-0.000000>,0.250000
<0.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.250000
<0.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.000000,-0.000000>,0.250000
<-1.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,15.000000,-0.000000>,0.250000
<-1.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,16.000000,-0.000000>,0.250000
<-2.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,16.000000,-0.000000>,0.250000
<-2.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,17.000000,-0.000000>,0.250000
<-1.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,17.000000,-0.000000>,0.250000
<-1.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,18.000000,-0.000000>,0.250000
<-2.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,18.000000,-0.000000>,0.250000
<-2.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,19.000000,-0.000000>,0.250000
<-1.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,19.000000,-0.000000>,0.250000
<-1.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,18.000000,-0.000000>,0.250000
<0.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.250000
<0.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.250000
<1.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,19.000000,-0.000000>,0.250000
<1.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,20.000000,-0.000000>,0.250000
<0.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.250000
<0.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.250000
<1.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,21.000000,-0.000000>,0.250000
<1.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,20.000000,-0.000000>,0.250000
<2.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,20.000000,-0.000000>,0.250000
<2.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,19.000000,-0.000000>,0.250000
<1.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,19.000000,-0.000000>,0.250000
<1.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,18.000000,-0.000000>,0.250000
<2.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,18.000000,-0.000000>,0.250000
<2.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,19.000000,-0.000000>,0.250000
<3.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,19.000000,-0.000000>,0.250000
<3.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,18.000000,-0.000000>,0.250000
<4.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,18.000000,-0.000000>,0.250000
<4.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,19.000000,-0.000000>,0.250000
<5.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,19.000000,-0.000000>,0.250000
<5.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,20.000000,-0.000000>,0.250000
<4.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,20.000000,-0.000000>,0.250000
<4.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,21.000000,-0.000000>,0.250000
<5.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,21.000000,-0.000000>,0.250000
<5.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,20.000000,-0.000000>,0.250000
<6.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,20.000000,-0.000000>,0.250000
<6.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,19.000000,-0.000000>,0.250000
<5.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,19.000000,-0.000000>,0.250000
<5.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,18.000000,-0.000000>,0.250000
<6.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,18.000000,-0.000000>,0.250000
<6.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,17.000000,-0.000000>,0.250000
<5.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,17.000000,-0.000000>,0.250000
<5.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,18.000000,-0.000000>,0.250000
<4.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,18.000000,-0.000000>,0.250000
<4.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,17.000000,-0.000000>,0.250000
<3.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,17.000000,-0.000000>,0.250000
<3.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,16.000000,-0.000000>,0.250000
<4.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,16.000000,-0.000000>,0.250000
<4.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,17.000000,-0.000000>,0.250000
<5.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,17.000000,-0.000000>,0.250000
<5.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,16.000000,-0.000000>,0.250000
<6.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,16.000000,-0.000000>,0.250000
<6.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,15.000000,-0.000000>,0.250000
<5.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,15.000000,-0.000000>,0.250000
<5.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,14.000000,-0.000000>,0.250000
<6.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,14.000000,-0.000000>,0.250000
<6.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,15.000000,-0.000000>,0.250000
<7.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,15.000000,-0.000000>,0.250000
<7.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,14.000000,-0.000000>,0.250000
<8.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,14.000000,-0.000000>,0.250000
<8.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,15.000000,-0.000000>,0.250000
<9.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,15.000000,-0.000000>,0.250000
<9.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,16.000000,-0.000000>,0.250000
<8.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,16.000000,-0.000000>,0.250000
<8.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,17.000000,-0.000000>,0.250000
<9.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,17.000000,-0.000000>,0.250000
<9.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,16.000000,-0.000000>,0.250000
<10.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,16.000000,-0.000000>,0.250000
<10.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,15.000000,-0.000000>,0.250000
<9.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,15.000000,-0.000000>,0.250000
<9.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,14.000000,-0.000000>,0.250000
<10.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,14.000000,-0.000000>,0.250000
<10.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,13.000000,-0.000000>,0.250000
<9.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,13.000000,-0.000000>,0.250000
<9.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,14.000000,-0.000000>,0.250000
<8.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,14.000000,-0.000000>,0.250000
<8.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,13.000000,-0.000000>,0.250000
<7.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,13.000000,-0.000000>,0.250000
<7.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,12.000000,-0.000000>,0.250000
<8.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,12.000000,-0.000000>,0.250000
<8.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,11.000000,-0.000000>,0.250000
<7.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,11.000000,-0.000000>,0.250000
<7.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,12.000000,-0.000000>,0.250000
<6.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,12.000000,-0.000000>,0.250000
<6.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,13.000000,-0.000000>,0.250000
<7.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,13.000000,-0.000000>,0.250000
<7.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,14.000000,-0.000000>,0.250000
<6.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,14.000000,-0.000000>,0.250000
<6.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,13.000000,-0.000000>,0.250000
<5.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,13.000000,-0.000000>,0.250000
<5.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,14.000000,-0.000000>,0.250000
<4.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,14.000000,-0.000000>,0.250000
<4.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,13.000000,-0.000000>,0.250000
<3.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,13.000000,-0.000000>,0.250000
<3.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,12.000000,-0.000000>,0.250000
<4.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,12.000000,-0.000000>,0.250000
<4.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,13.000000,-0.000000>,0.250000
<5.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,13.000000,-0.000000>,0.250000
<5.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,12.000000,-0.000000>,0.250000
<6.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,12.000000,-0.000000>,0.250000
<6.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,11.000000,-0.000000>,0.250000
<5.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,11.000000,-0.000000>,0.250000
<5.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,10.000000,-0.000000>,0.250000
<6.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,10.000000,-0.000000>,0.250000
<6.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,9.000000,-0.000000>,0.250000
<5.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,9.000000,-0.000000>,0.250000
<5.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,10.000000,-0.000000>,0.250000
<4.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,10.000000,-0.000000>,0.250000
<4.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,9.000000,-0.000000>,0.250000
<3.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,9.000000,-0.000000>,0.250000
<3.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,8.000000,-0.000000>,0.250000
<4.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,8.000000,-0.000000>,0.250000
<4.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,9.000000,-0.000000>,0.250000
<5.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,9.000000,-0.000000>,0.250000
<5.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,8.000000,-0.000000>,0.250000
<6.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,8.000000,-0.000000>,0.250000
<6.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,7.000000,-0.000000>,0.250000
<5.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,7.000000,-0.000000>,0.250000
<5.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,6.000000,-0.000000>,0.250000
<6.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,6.000000,-0.000000>,0.250000
<6.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,7.000000,-0.000000>,0.250000
<7.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,7.000000,-0.000000>,0.250000
<7.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,6.000000,-0.000000>,0.250000
<8.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,6.000000,-0.000000>,0.250000
<8.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,7.000000,-0.000000>,0.250000
<9.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,7.000000,-0.000000>,0.250000
<9.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,8.000000,-0.000000>,0.250000
<8.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,8.000000,-0.000000>,0.250000
<8.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,7.000000,-0.000000>,0.250000
<7.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,7.000000,-0.000000>,0.250000
<7.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,8.000000,-0.000000>,0.250000
<6.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,8.000000,-0.000000>,0.250000
<6.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,9.000000,-0.000000>,0.250000
<7.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,9.000000,-0.000000>,0.250000
<7.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,10.000000,-0.000000>,0.250000
<6.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,10.000000,-0.000000>,0.250000
<6.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,11.000000,-0.000000>,0.250000
<7.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,11.000000,-0.000000>,0.250000
<7.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,10.000000,-0.000000>,0.250000
<8.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,10.000000,-0.000000>,0.250000
<8.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,11.000000,-0.000000>,0.250000
<9.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,11.000000,-0.000000>,0.250000
<9.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,12.000000,-0.000000>,0.250000
<8.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,12.000000,-0.000000>,0.250000
<8.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,13.000000,-0.000000>,0.250000
<9.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,13.000000,-0.000000>,0.250000
<9.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,12.000000,-0.000000>,0.250000
<10.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,12.000000,-0.000000>,0.250000
<10.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,11.000000,-0.000000>,0.250000
<9.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,11.000000,-0.000000>,0.250000
<9.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,10.000000,-0.000000>,0.250000
<10.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,10.000000,-0.000000>,0.250000
<10.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,11.000000,-0.000000>,0.250000
<11.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,11.000000,-0.000000>,0.250000
<11.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,10.000000,-0.000000>,0.250000
<12.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,10.000000,-0.000000>,0.250000
<12.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,11.000000,-0.000000>,0.250000
<13.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,11.000000,-0.000000>,0.250000
<13.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,12.000000,-0.000000>,0.250000
<12.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,12.000000,-0.000000>,0.250000
<12.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,13.000000,-0.000000>,0.250000
<13.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,13.000000,-0.000000>,0.250000
<13.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,12.000000,-0.000000>,0.250000
<14.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,12.000000,-0.000000>,0.250000
<14.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,11.000000,-0.000000>,0.250000
<13.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,11.000000,-0.000000>,0.250000
<13.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,10.000000,-0.000000>,0.250000
<14.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,10.000000,-0.000000>,0.250000
<14.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,9.000000,-0.000000>,0.250000
<13.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,9.000000,-0.000000>,0.250000
<13.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,10.000000,-0.000000>,0.250000
<12.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,10.000000,-0.000000>,0.250000
<12.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,9.000000,-0.000000>,0.250000
<11.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,9.000000,-0.000000>,0.250000
<11.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,8.000000,-0.000000>,0.250000
<12.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,8.000000,-0.000000>,0.250000
<12.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,9.000000,-0.000000>,0.250000
<13.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,9.000000,-0.000000>,0.250000
<13.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,8.000000,-0.000000>,0.250000
<14.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,8.000000,-0.000000>,0.250000
<14.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,7.000000,-0.000000>,0.250000
<13.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,7.000000,-0.000000>,0.250000
<13.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,6.000000,-0.000000>,0.250000
<14.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,6.000000,-0.000000>,0.250000
<14.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,7.000000,-0.000000>,0.250000
<15.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,7.000000,-0.000000>,0.250000
<15.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,6.000000,-0.000000>,0.250000
<16.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,6.000000,-0.000000>,0.250000
<16.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,7.000000,-0.000000>,0.250000
<17.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,7.000000,-0.000000>,0.250000
<17.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,8.000000,-0.000000>,0.250000
<16.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,8.000000,-0.000000>,0.250000
<16.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,7.000000,-0.000000>,0.250000
<15.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,7.000000,-0.000000>,0.250000
<15.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,8.000000,-0.000000>,0.250000
<14.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,8.000000,-0.000000>,0.250000
<14.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,9.000000,-0.000000>,0.250000
<15.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,9.000000,-0.000000>,0.250000
<15.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,10.000000,-0.000000>,0.250000
<14.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,10.000000,-0.000000>,0.250000
<14.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,11.000000,-0.000000>,0.250000
<15.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,11.000000,-0.000000>,0.250000
<15.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,10.000000,-0.000000>,0.250000
<16.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,10.000000,-0.000000>,0.250000
<16.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,11.000000,-0.000000>,0.250000
<17.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,11.000000,-0.000000>,0.250000
<17.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,12.000000,-0.000000>,0.250000
<16.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,12.000000,-0.000000>,0.250000
<16.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,13.000000,-0.000000>,0.250000
<17.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,13.000000,-0.000000>,0.250000
<17.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,12.000000,-0.000000>,0.250000
<18.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,12.000000,-0.000000>,0.250000
<18.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,11.000000,-0.000000>,0.250000
<17.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,11.000000,-0.000000>,0.250000
<17.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,10.000000,-0.000000>,0.250000
<18.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,10.000000,-0.000000>,0.250000
<18.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,11.000000,-0.000000>,0.250000
<19.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,11.000000,-0.000000>,0.250000
<19.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,10.000000,-0.000000>,0.250000
<20.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,10.000000,-0.000000>,0.250000
<20.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,11.000000,-0.000000>,0.250000
<21.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,11.000000,-0.000000>,0.250000
<21.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,12.000000,-0.000000>,0.250000
<20.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,12.000000,-0.000000>,0.250000
<20.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,11.000000,-0.000000>,0.250000
<19.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,11.000000,-0.000000>,0.250000
<19.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,12.000000,-0.000000>,0.250000
<18.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,12.000000,-0.000000>,0.250000
<18.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,13.000000,-0.000000>,0.250000
<19.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,13.000000,-0.000000>,0.250000
<19.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,14.000000,-0.000000>,0.250000
<18.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,14.000000,-0.000000>,0.250000
<18.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,15.000000,-0.000000>,0.250000
<19.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,15.000000,-0.000000>,0.250000
<19.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,14.000000,-0.000000>,0.250000
<20.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,14.000000,-0.000000>,0.250000
<20.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,15.000000,-0.000000>,0.250000
<21.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,15.000000,-0.000000>,0.250000
<21.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,16.000000,-0.000000>,0.250000
<20.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,16.000000,-0.000000>,0.250000
<20.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,15.000000,-0.000000>,0.250000
<19.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,15.000000,-0.000000>,0.250000
<19.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,16.000000,-0.000000>,0.250000
<18.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,16.000000,-0.000000>,0.250000
<18.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,17.000000,-0.000000>,0.250000
<19.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,17.000000,-0.000000>,0.250000
<19.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,18.000000,-0.000000>,0.250000
<18.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,18.000000,-0.000000>,0.250000
<18.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,17.000000,-0.000000>,0.250000
<17.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,17.000000,-0.000000>,0.250000
<17.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,18.000000,-0.000000>,0.250000
<16.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,18.000000,-0.000000>,0.250000
<16.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,17.000000,-0.000000>,0.250000
<15.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,17.000000,-0.000000>,0.250000
<15.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,16.000000,-0.000000>,0.250000
<16.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,16.000000,-0.000000>,0.250000
<16.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,15.000000,-0.000000>,0.250000
<15.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,15.000000,-0.000000>,0.250000
<15.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,16.000000,-0.000000>,0.250000
<14.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,16.000000,-0.000000>,0.250000
<14.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,17.000000,-0.000000>,0.250000
<15.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,17.000000,-0.000000>,0.250000
<15.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,18.000000,-0.000000>,0.250000
<14.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,18.000000,-0.000000>,0.250000
<14.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,19.000000,-0.000000>,0.250000
<15.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,19.000000,-0.000000>,0.250000
<15.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,18.000000,-0.000000>,0.250000
<16.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,18.000000,-0.000000>,0.250000
<16.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,19.000000,-0.000000>,0.250000
<17.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,19.000000,-0.000000>,0.250000
<17.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,20.000000,-0.000000>,0.250000
<16.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,20.000000,-0.000000>,0.250000
<16.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,21.000000,-0.000000>,0.250000
<17.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,21.000000,-0.000000>,0.250000
<17.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,20.000000,-0.000000>,0.250000
<18.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,20.000000,-0.000000>,0.250000
<18.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,19.000000,-0.000000>,0.250000
<17.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,19.000000,-0.000000>,0.250000
<17.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,18.000000,-0.000000>,0.250000
<18.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,18.000000,-0.000000>,0.250000
<18.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,19.000000,-0.000000>,0.250000
<19.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,19.000000,-0.000000>,0.250000
<19.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,18.000000,-0.000000>,0.250000
<20.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,18.000000,-0.000000>,0.250000
<20.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,19.000000,-0.000000>,0.250000
<21.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,19.000000,-0.000000>,0.250000
<21.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,20.000000,-0.000000>,0.250000
<20.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,20.000000,-0.000000>,0.250000
<20.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,21.000000,-0.000000>,0.250000
<21.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,21.000000,-0.000000>,0.250000
<21.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,20.000000,-0.000000>,0.250000
<22.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,20.000000,-0.000000>,0.250000
<22.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,19.000000,-0.000000>,0.250000
<21.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,19.000000,-0.000000>,0.250000
<21.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,18.000000,-0.000000>,0.250000
<22.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,18.000000,-0.000000>,0.250000
<22.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,17.000000,-0.000000>,0.250000
<21.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,17.000000,-0.000000>,0.250000
<21.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,18.000000,-0.000000>,0.250000
<20.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,18.000000,-0.000000>,0.250000
<20.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,17.000000,-0.000000>,0.250000
<19.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,17.000000,-0.000000>,0.250000
<19.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,16.000000,-0.000000>,0.250000
<20.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,16.000000,-0.000000>,0.250000
<20.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,17.000000,-0.000000>,0.250000
<21.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,17.000000,-0.000000>,0.250000
<21.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,16.000000,-0.000000>,0.250000
<22.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,16.000000,-0.000000>,0.250000
<22.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,15.000000,-0.000000>,0.250000
<21.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,15.000000,-0.000000>,0.250000
<21.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,14.000000,-0.000000>,0.250000
<22.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,14.000000,-0.000000>,0.250000
<22.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,15.000000,-0.000000>,0.250000
<23.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,15.000000,-0.000000>,0.250000
<23.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,14.000000,-0.000000>,0.250000
<24.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,14.000000,-0.000000>,0.250000
<24.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,15.000000,-0.000000>,0.250000
<25.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,15.000000,-0.000000>,0.250000
<25.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,16.000000,-0.000000>,0.250000
<24.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,16.000000,-0.000000>,0.250000
<24.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,17.000000,-0.000000>,0.250000
<25.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,17.000000,-0.000000>,0.250000
<25.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,16.000000,-0.000000>,0.250000
<26.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,16.000000,-0.000000>,0.250000
<26.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,15.000000,-0.000000>,0.250000
<25.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,15.000000,-0.000000>,0.250000
<25.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,14.000000,-0.000000>,0.250000
<26.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,14.000000,-0.000000>,0.250000
<26.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,13.000000,-0.000000>,0.250000
<25.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,13.000000,-0.000000>,0.250000
<25.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,14.000000,-0.000000>,0.250000
<24.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,14.000000,-0.000000>,0.250000
<24.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,13.000000,-0.000000>,0.250000
<23.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,13.000000,-0.000000>,0.250000
<23.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,12.000000,-0.000000>,0.250000
<24.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,12.000000,-0.000000>,0.250000
<24.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,11.000000,-0.000000>,0.250000
<23.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,11.000000,-0.000000>,0.250000
<23.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,12.000000,-0.000000>,0.250000
<22.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,12.000000,-0.000000>,0.250000
<22.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,13.000000,-0.000000>,0.250000
<23.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,13.000000,-0.000000>,0.250000
<23.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,14.000000,-0.000000>,0.250000
<22.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,14.000000,-0.000000>,0.250000
<22.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,13.000000,-0.000000>,0.250000
<21.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,13.000000,-0.000000>,0.250000
<21.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,14.000000,-0.000000>,0.250000
<20.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,14.000000,-0.000000>,0.250000
<20.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,13.000000,-0.000000>,0.250000
<19.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,13.000000,-0.000000>,0.250000
<19.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,12.000000,-0.000000>,0.250000
<20.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,12.000000,-0.000000>,0.250000
<20.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,13.000000,-0.000000>,0.250000
<21.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,13.000000,-0.000000>,0.250000
<21.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,12.000000,-0.000000>,0.250000
<22.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,12.000000,-0.000000>,0.250000
<22.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,11.000000,-0.000000>,0.250000
<21.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,11.000000,-0.000000>,0.250000
<21.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,10.000000,-0.000000>,0.250000
<22.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,10.000000,-0.000000>,0.250000
<22.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,9.000000,-0.000000>,0.250000
<21.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,9.000000,-0.000000>,0.250000
<21.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,10.000000,-0.000000>,0.250000
<20.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,10.000000,-0.000000>,0.250000
<20.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,9.000000,-0.000000>,0.250000
<19.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,9.000000,-0.000000>,0.250000
<19.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,8.000000,-0.000000>,0.250000
<20.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,8.000000,-0.000000>,0.250000
<20.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,9.000000,-0.000000>,0.250000
<21.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,9.000000,-0.000000>,0.250000
<21.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,8.000000,-0.000000>,0.250000
<22.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,8.000000,-0.000000>,0.250000
<22.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,7.000000,-0.000000>,0.250000
<21.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,7.000000,-0.000000>,0.250000
<21.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,6.000000,-0.000000>,0.250000
<22.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,6.000000,-0.000000>,0.250000
<22.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,7.000000,-0.000000>,0.250000
<23.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,7.000000,-0.000000>,0.250000
<23.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,6.000000,-0.000000>,0.250000
<24.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,6.000000,-0.000000>,0.250000
<24.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,7.000000,-0.000000>,0.250000
<25.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,7.000000,-0.000000>,0.250000
<25.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,8.000000,-0.000000>,0.250000
<24.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,8.000000,-0.000000>,0.250000
<24.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,9.000000,-0.000000>,0.250000
<25.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,9.000000,-0.000000>,0.250000
<25.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,8.000000,-0.000000>,0.250000
<26.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,8.000000,-0.000000>,0.250000
<26.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,7.000000,-0.000000>,0.250000
<25.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,7.000000,-0.000000>,0.250000
<25.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,6.000000,-0.000000>,0.250000
<26.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,6.000000,-0.000000>,0.250000
<26.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,5.000000,-0.000000>,0.250000
<25.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,5.000000,-0.000000>,0.250000
<25.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,6.000000,-0.000000>,0.250000
<24.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,6.000000,-0.000000>,0.250000
<24.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,5.000000,-0.000000>,0.250000
<23.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,5.000000,-0.000000>,0.250000
<23.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,4.000000,-0.000000>,0.250000
<24.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,4.000000,-0.000000>,0.250000
<24.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,3.000000,-0.000000>,0.250000
<23.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,3.000000,-0.000000>,0.250000
<23.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,4.000000,-0.000000>,0.250000
<22.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,4.000000,-0.000000>,0.250000
<22.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,5.000000,-0.000000>,0.250000
<23.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,5.000000,-0.000000>,0.250000
<23.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,6.000000,-0.000000>,0.250000
<22.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,6.000000,-0.000000>,0.250000
<22.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,5.000000,-0.000000>,0.250000
<21.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,5.000000,-0.000000>,0.250000
<21.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,6.000000,-0.000000>,0.250000
<20.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,6.000000,-0.000000>,0.250000
<20.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,5.000000,-0.000000>,0.250000
<19.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,5.000000,-0.000000>,0.250000
<19.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,4.000000,-0.000000>,0.250000
<20.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,4.000000,-0.000000>,0.250000
<20.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,3.000000,-0.000000>,0.250000
<19.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,3.000000,-0.000000>,0.250000
<19.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,4.000000,-0.000000>,0.250000
<18.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,4.000000,-0.000000>,0.250000
<18.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,5.000000,-0.000000>,0.250000
<19.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,5.000000,-0.000000>,0.250000
<19.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,6.000000,-0.000000>,0.250000
<18.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,6.000000,-0.000000>,0.250000
<18.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,7.000000,-0.000000>,0.250000
<19.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,7.000000,-0.000000>,0.250000
<19.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,6.000000,-0.000000>,0.250000
<20.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,6.000000,-0.000000>,0.250000
<20.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,7.000000,-0.000000>,0.250000
<21.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,7.000000,-0.000000>,0.250000
<21.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,8.000000,-0.000000>,0.250000
<20.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,8.000000,-0.000000>,0.250000
<20.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,7.000000,-0.000000>,0.250000
<19.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,7.000000,-0.000000>,0.250000
<19.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,8.000000,-0.000000>,0.250000
<18.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,8.000000,-0.000000>,0.250000
<18.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,9.000000,-0.000000>,0.250000
<19.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,9.000000,-0.000000>,0.250000
<19.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,10.000000,-0.000000>,0.250000
<18.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,10.000000,-0.000000>,0.250000
<18.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,9.000000,-0.000000>,0.250000
<17.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,9.000000,-0.000000>,0.250000
<17.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,10.000000,-0.000000>,0.250000
<16.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,10.000000,-0.000000>,0.250000
<16.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,9.000000,-0.000000>,0.250000
<15.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,9.000000,-0.000000>,0.250000
<15.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,8.000000,-0.000000>,0.250000
<16.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,8.000000,-0.000000>,0.250000
<16.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,9.000000,-0.000000>,0.250000
<17.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,9.000000,-0.000000>,0.250000
<17.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,8.000000,-0.000000>,0.250000
<18.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,8.000000,-0.000000>,0.250000
<18.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,7.000000,-0.000000>,0.250000
<17.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,7.000000,-0.000000>,0.250000
<17.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,6.000000,-0.000000>,0.250000
<18.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,6.000000,-0.000000>,0.250000
<18.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,5.000000,-0.000000>,0.250000
<17.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,5.000000,-0.000000>,0.250000
<17.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,6.000000,-0.000000>,0.250000
<16.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,6.000000,-0.000000>,0.250000
<16.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,5.000000,-0.000000>,0.250000
<15.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,5.000000,-0.000000>,0.250000
<15.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,4.000000,-0.000000>,0.250000
<16.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,4.000000,-0.000000>,0.250000
<16.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,3.000000,-0.000000>,0.250000
<15.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,3.000000,-0.000000>,0.250000
<15.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,4.000000,-0.000000>,0.250000
<14.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,4.000000,-0.000000>,0.250000
<14.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,5.000000,-0.000000>,0.250000
<15.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,5.000000,-0.000000>,0.250000
<15.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,6.000000,-0.000000>,0.250000
<14.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,6.000000,-0.000000>,0.250000
<14.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,5.000000,-0.000000>,0.250000
<13.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,5.000000,-0.000000>,0.250000
<13.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,6.000000,-0.000000>,0.250000
<12.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,6.000000,-0.000000>,0.250000
<12.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,5.000000,-0.000000>,0.250000
<11.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,5.000000,-0.000000>,0.250000
<11.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,4.000000,-0.000000>,0.250000
<12.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,4.000000,-0.000000>,0.250000
<12.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,5.000000,-0.000000>,0.250000
<13.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,5.000000,-0.000000>,0.250000
<13.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,4.000000,-0.000000>,0.250000
<14.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,4.000000,-0.000000>,0.250000
<14.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,3.000000,-0.000000>,0.250000
<13.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,3.000000,-0.000000>,0.250000
<13.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,2.000000,-0.000000>,0.250000
<14.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,2.000000,-0.000000>,0.250000
<14.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,1.000000,-0.000000>,0.250000
<13.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,1.000000,-0.000000>,0.250000
<13.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,2.000000,-0.000000>,0.250000
<12.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,2.000000,-0.000000>,0.250000
<12.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,1.000000,-0.000000>,0.250000
<11.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,1.000000,-0.000000>,0.250000
<11.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-0.000000,-0.000000>,0.250000
<12.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-0.000000,-0.000000>,0.250000
<12.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,1.000000,-0.000000>,0.250000
<13.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,1.000000,-0.000000>,0.250000
<13.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-0.000000,-0.000000>,0.250000
<14.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-0.000000,-0.000000>,0.250000
<14.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-1.000000,-0.000000>,0.250000
<13.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-1.000000,-0.000000>,0.250000
<13.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-2.000000,-0.000000>,0.250000
<14.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-2.000000,-0.000000>,0.250000
<14.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-1.000000,-0.000000>,0.250000
<15.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-1.000000,-0.000000>,0.250000
<15.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-2.000000,-0.000000>,0.250000
<16.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-2.000000,-0.000000>,0.250000
<16.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-1.000000,-0.000000>,0.250000
<17.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-1.000000,-0.000000>,0.250000
<17.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-0.000000,-0.000000>,0.250000
<16.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-0.000000,-0.000000>,0.250000
<16.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-1.000000,-0.000000>,0.250000
<15.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-1.000000,-0.000000>,0.250000
<15.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-0.000000,-0.000000>,0.250000
<14.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-0.000000,-0.000000>,0.250000
<14.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,1.000000,-0.000000>,0.250000
<15.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,1.000000,-0.000000>,0.250000
<15.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,2.000000,-0.000000>,0.250000
<14.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,2.000000,-0.000000>,0.250000
<14.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,3.000000,-0.000000>,0.250000
<15.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,3.000000,-0.000000>,0.250000
<15.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,2.000000,-0.000000>,0.250000
<16.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,2.000000,-0.000000>,0.250000
<16.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,3.000000,-0.000000>,0.250000
<17.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,3.000000,-0.000000>,0.250000
<17.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,4.000000,-0.000000>,0.250000
<16.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,4.000000,-0.000000>,0.250000
<16.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,5.000000,-0.000000>,0.250000
<17.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,5.000000,-0.000000>,0.250000
<17.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,4.000000,-0.000000>,0.250000
<18.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,4.000000,-0.000000>,0.250000
<18.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,3.000000,-0.000000>,0.250000
<17.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,3.000000,-0.000000>,0.250000
<17.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,2.000000,-0.000000>,0.250000
<18.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,2.000000,-0.000000>,0.250000
<18.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,3.000000,-0.000000>,0.250000
<19.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,3.000000,-0.000000>,0.250000
<19.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,2.000000,-0.000000>,0.250000
<20.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,2.000000,-0.000000>,0.250000
<20.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,3.000000,-0.000000>,0.250000
<21.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,3.000000,-0.000000>,0.250000
<21.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,4.000000,-0.000000>,0.250000
<20.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,4.000000,-0.000000>,0.250000
<20.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,5.000000,-0.000000>,0.250000
<21.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,5.000000,-0.000000>,0.250000
<21.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,4.000000,-0.000000>,0.250000
<22.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,4.000000,-0.000000>,0.250000
<22.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,3.000000,-0.000000>,0.250000
<21.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,3.000000,-0.000000>,0.250000
<21.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,2.000000,-0.000000>,0.250000
<22.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,2.000000,-0.000000>,0.250000
<22.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,1.000000,-0.000000>,0.250000
<21.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,1.000000,-0.000000>,0.250000
<21.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,2.000000,-0.000000>,0.250000
<20.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,2.000000,-0.000000>,0.250000
<20.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,1.000000,-0.000000>,0.250000
<19.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,1.000000,-0.000000>,0.250000
<19.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-0.000000,-0.000000>,0.250000
<20.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-0.000000,-0.000000>,0.250000
<20.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,1.000000,-0.000000>,0.250000
<21.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,1.000000,-0.000000>,0.250000
<21.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-0.000000,-0.000000>,0.250000
<22.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-0.000000,-0.000000>,0.250000
<22.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-1.000000,-0.000000>,0.250000
<21.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-1.000000,-0.000000>,0.250000
<21.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-2.000000,-0.000000>,0.250000
<22.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-2.000000,-0.000000>,0.250000
<22.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-1.000000,-0.000000>,0.250000
<23.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-1.000000,-0.000000>,0.250000
<23.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-2.000000,-0.000000>,0.250000
<24.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-2.000000,-0.000000>,0.250000
<24.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-1.000000,-0.000000>,0.250000
<25.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-1.000000,-0.000000>,0.250000
<25.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-0.000000,-0.000000>,0.250000
<24.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-0.000000,-0.000000>,0.250000
<24.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,1.000000,-0.000000>,0.250000
<25.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,1.000000,-0.000000>,0.250000
<25.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-0.000000,-0.000000>,0.250000
<26.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-0.000000,-0.000000>,0.250000
<26.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-1.000000,-0.000000>,0.250000
<25.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-1.000000,-0.000000>,0.250000
<25.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-2.000000,-0.000000>,0.250000
<26.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-2.000000,-0.000000>,0.250000
<26.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-3.000000,-0.000000>,0.250000
<25.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-3.000000,-0.000000>,0.250000
<25.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-2.000000,-0.000000>,0.250000
<24.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-2.000000,-0.000000>,0.250000
<24.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-3.000000,-0.000000>,0.250000
<23.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-3.000000,-0.000000>,0.250000
<23.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-4.000000,-0.000000>,0.250000
<24.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-4.000000,-0.000000>,0.250000
<24.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-5.000000,-0.000000>,0.250000
<23.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-5.000000,-0.000000>,0.250000
<23.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-4.000000,-0.000000>,0.250000
<22.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-4.000000,-0.000000>,0.250000
<22.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-3.000000,-0.000000>,0.250000
<23.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-3.000000,-0.000000>,0.250000
<23.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-2.000000,-0.000000>,0.250000
<22.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-2.000000,-0.000000>,0.250000
<22.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-3.000000,-0.000000>,0.250000
<21.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-3.000000,-0.000000>,0.250000
<21.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-2.000000,-0.000000>,0.250000
<20.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-2.000000,-0.000000>,0.250000
<20.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-3.000000,-0.000000>,0.250000
<19.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-3.000000,-0.000000>,0.250000
<19.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-4.000000,-0.000000>,0.250000
<20.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-4.000000,-0.000000>,0.250000
<20.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-3.000000,-0.000000>,0.250000
<21.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-3.000000,-0.000000>,0.250000
<21.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-4.000000,-0.000000>,0.250000
<22.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-4.000000,-0.000000>,0.250000
<22.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-5.000000,-0.000000>,0.250000
<21.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-5.000000,-0.000000>,0.250000
<21.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-6.000000,-0.000000>,0.250000
<22.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-6.000000,-0.000000>,0.250000
<22.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-7.000000,-0.000000>,0.250000
<21.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-7.000000,-0.000000>,0.250000
<21.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-6.000000,-0.000000>,0.250000
<20.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-6.000000,-0.000000>,0.250000
<20.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-7.000000,-0.000000>,0.250000
<19.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-7.000000,-0.000000>,0.250000
<19.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-8.000000,-0.000000>,0.250000
<20.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-8.000000,-0.000000>,0.250000
<20.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-7.000000,-0.000000>,0.250000
<21.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-7.000000,-0.000000>,0.250000
<21.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-8.000000,-0.000000>,0.250000
<22.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-8.000000,-0.000000>,0.250000
<22.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-9.000000,-0.000000>,0.250000
<21.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-9.000000,-0.000000>,0.250000
<21.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-10.000000,-0.000000>,0.250000
<22.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-10.000000,-0.000000>,0.250000
<22.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-9.000000,-0.000000>,0.250000
<23.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-9.000000,-0.000000>,0.250000
<23.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-10.000000,-0.000000>,0.250000
<24.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-10.000000,-0.000000>,0.250000
<24.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-9.000000,-0.000000>,0.250000
<25.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-9.000000,-0.000000>,0.250000
<25.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-8.000000,-0.000000>,0.250000
<24.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-8.000000,-0.000000>,0.250000
<24.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-9.000000,-0.000000>,0.250000
<23.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-9.000000,-0.000000>,0.250000
<23.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-8.000000,-0.000000>,0.250000
<22.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-8.000000,-0.000000>,0.250000
<22.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-7.000000,-0.000000>,0.250000
<23.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-7.000000,-0.000000>,0.250000
<23.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-6.000000,-0.000000>,0.250000
<22.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-6.000000,-0.000000>,0.250000
<22.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-5.000000,-0.000000>,0.250000
<23.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-5.000000,-0.000000>,0.250000
<23.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-6.000000,-0.000000>,0.250000
<24.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-6.000000,-0.000000>,0.250000
<24.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-5.000000,-0.000000>,0.250000
<25.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-5.000000,-0.000000>,0.250000
<25.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-4.000000,-0.000000>,0.250000
<24.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-4.000000,-0.000000>,0.250000
<24.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-3.000000,-0.000000>,0.250000
<25.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-3.000000,-0.000000>,0.250000
<25.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-4.000000,-0.000000>,0.250000
<26.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-4.000000,-0.000000>,0.250000
<26.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-5.000000,-0.000000>,0.250000
<25.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-5.000000,-0.000000>,0.250000
<25.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-6.000000,-0.000000>,0.250000
<26.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-6.000000,-0.000000>,0.250000
<26.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-5.000000,-0.000000>,0.250000
<27.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-5.000000,-0.000000>,0.250000
<27.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-6.000000,-0.000000>,0.250000
<28.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-6.000000,-0.000000>,0.250000
<28.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-5.000000,-0.000000>,0.250000
<29.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-5.000000,-0.000000>,0.250000
<29.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-4.000000,-0.000000>,0.250000
<28.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-4.000000,-0.000000>,0.250000
<28.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-3.000000,-0.000000>,0.250000
<29.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-3.000000,-0.000000>,0.250000
<29.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-4.000000,-0.000000>,0.250000
<30.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-4.000000,-0.000000>,0.250000
<30.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-5.000000,-0.000000>,0.250000
<29.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-5.000000,-0.000000>,0.250000
<29.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-6.000000,-0.000000>,0.250000
<30.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-6.000000,-0.000000>,0.250000
<30.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-7.000000,-0.000000>,0.250000
<29.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-7.000000,-0.000000>,0.250000
<29.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-6.000000,-0.000000>,0.250000
<28.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-6.000000,-0.000000>,0.250000
<28.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-7.000000,-0.000000>,0.250000
<27.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-7.000000,-0.000000>,0.250000
<27.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-8.000000,-0.000000>,0.250000
<28.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-8.000000,-0.000000>,0.250000
<28.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-7.000000,-0.000000>,0.250000
<29.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-7.000000,-0.000000>,0.250000
<29.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-8.000000,-0.000000>,0.250000
<30.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-8.000000,-0.000000>,0.250000
<30.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-9.000000,-0.000000>,0.250000
<29.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-9.000000,-0.000000>,0.250000
<29.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-10.000000,-0.000000>,0.250000
<30.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-10.000000,-0.000000>,0.250000
<30.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-9.000000,-0.000000>,0.250000
<31.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-9.000000,-0.000000>,0.250000
<31.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-10.000000,-0.000000>,0.250000
<32.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-10.000000,-0.000000>,0.250000
<32.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-9.000000,-0.000000>,0.250000
<33.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-9.000000,-0.000000>,0.250000
<33.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-8.000000,-0.000000>,0.250000
<32.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-8.000000,-0.000000>,0.250000
<32.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-9.000000,-0.000000>,0.250000
<31.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-9.000000,-0.000000>,0.250000
<31.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-8.000000,-0.000000>,0.250000
<30.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-8.000000,-0.000000>,0.250000
<30.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-7.000000,-0.000000>,0.250000
<31.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-7.000000,-0.000000>,0.250000
<31.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-6.000000,-0.000000>,0.250000
<30.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-6.000000,-0.000000>,0.250000
<30.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-5.000000,-0.000000>,0.250000
<31.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-5.000000,-0.000000>,0.250000
<31.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-6.000000,-0.000000>,0.250000
<32.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-6.000000,-0.000000>,0.250000
<32.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-5.000000,-0.000000>,0.250000
<33.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-5.000000,-0.000000>,0.250000
<33.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-4.000000,-0.000000>,0.250000
<32.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-4.000000,-0.000000>,0.250000
<32.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-3.000000,-0.000000>,0.250000
<33.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-3.000000,-0.000000>,0.250000
<33.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-4.000000,-0.000000>,0.250000
<34.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-4.000000,-0.000000>,0.250000
<34.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-5.000000,-0.000000>,0.250000
<33.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-5.000000,-0.000000>,0.250000
<33.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-6.000000,-0.000000>,0.250000
<34.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-6.000000,-0.000000>,0.250000
<34.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-5.000000,-0.000000>,0.250000
<35.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-5.000000,-0.000000>,0.250000
<35.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-6.000000,-0.000000>,0.250000
<36.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-6.000000,-0.000000>,0.250000
<36.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-5.000000,-0.000000>,0.250000
<37.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-5.000000,-0.000000>,0.250000
<37.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-4.000000,-0.000000>,0.250000
<36.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-4.000000,-0.000000>,0.250000
<36.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-5.000000,-0.000000>,0.250000
<35.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-5.000000,-0.000000>,0.250000
<35.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-4.000000,-0.000000>,0.250000
<34.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-4.000000,-0.000000>,0.250000
<34.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-3.000000,-0.000000>,0.250000
<35.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-3.000000,-0.000000>,0.250000
<35.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-2.000000,-0.000000>,0.250000
<34.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-2.000000,-0.000000>,0.250000
<34.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-1.000000,-0.000000>,0.250000
<35.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-1.000000,-0.000000>,0.250000
<35.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-2.000000,-0.000000>,0.250000
<36.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-2.000000,-0.000000>,0.250000
<36.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-1.000000,-0.000000>,0.250000
<37.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-1.000000,-0.000000>,0.250000
<37.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-0.000000,-0.000000>,0.250000
<36.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-0.000000,-0.000000>,0.250000
<36.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-1.000000,-0.000000>,0.250000
<35.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-1.000000,-0.000000>,0.250000
<35.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-0.000000,-0.000000>,0.250000
<34.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-0.000000,-0.000000>,0.250000
<34.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,1.000000,-0.000000>,0.250000
<35.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,1.000000,-0.000000>,0.250000
<35.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,2.000000,-0.000000>,0.250000
<34.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,2.000000,-0.000000>,0.250000
<34.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,1.000000,-0.000000>,0.250000
<33.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,1.000000,-0.000000>,0.250000
<33.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,2.000000,-0.000000>,0.250000
<32.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,2.000000,-0.000000>,0.250000
<32.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,1.000000,-0.000000>,0.250000
<31.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,1.000000,-0.000000>,0.250000
<31.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-0.000000,-0.000000>,0.250000
<32.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-0.000000,-0.000000>,0.250000
<32.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-1.000000,-0.000000>,0.250000
<31.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-1.000000,-0.000000>,0.250000
<31.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-0.000000,-0.000000>,0.250000
<30.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-0.000000,-0.000000>,0.250000
<30.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,1.000000,-0.000000>,0.250000
<31.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,1.000000,-0.000000>,0.250000
<31.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,2.000000,-0.000000>,0.250000
<30.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,2.000000,-0.000000>,0.250000
<30.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,3.000000,-0.000000>,0.250000
<31.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,3.000000,-0.000000>,0.250000
<31.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,2.000000,-0.000000>,0.250000
<32.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,2.000000,-0.000000>,0.250000
<32.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,3.000000,-0.000000>,0.250000
<33.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,3.000000,-0.000000>,0.250000
<33.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,4.000000,-0.000000>,0.250000
<32.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,4.000000,-0.000000>,0.250000
<32.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,5.000000,-0.000000>,0.250000
<33.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,5.000000,-0.000000>,0.250000
<33.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,4.000000,-0.000000>,0.250000
<34.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,4.000000,-0.000000>,0.250000
<34.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,3.000000,-0.000000>,0.250000
<33.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,3.000000,-0.000000>,0.250000
<33.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,2.000000,-0.000000>,0.250000
<34.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,2.000000,-0.000000>,0.250000
<34.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,3.000000,-0.000000>,0.250000
<35.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,3.000000,-0.000000>,0.250000
<35.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,2.000000,-0.000000>,0.250000
<36.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,2.000000,-0.000000>,0.250000
<36.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,3.000000,-0.000000>,0.250000
<37.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,3.000000,-0.000000>,0.250000
<37.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,4.000000,-0.000000>,0.250000
<36.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,4.000000,-0.000000>,0.250000
<36.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,5.000000,-0.000000>,0.250000
<37.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,5.000000,-0.000000>,0.250000
<37.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,4.000000,-0.000000>,0.250000
<38.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,4.000000,-0.000000>,0.250000
<38.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,3.000000,-0.000000>,0.250000
<37.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,3.000000,-0.000000>,0.250000
<37.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,2.000000,-0.000000>,0.250000
<38.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,2.000000,-0.000000>,0.250000
<38.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,1.000000,-0.000000>,0.250000
<37.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,1.000000,-0.000000>,0.250000
<37.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,2.000000,-0.000000>,0.250000
<36.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,2.000000,-0.000000>,0.250000
<36.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,1.000000,-0.000000>,0.250000
<35.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,1.000000,-0.000000>,0.250000
<35.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-0.000000,-0.000000>,0.250000
<36.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-0.000000,-0.000000>,0.250000
<36.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,1.000000,-0.000000>,0.250000
<37.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,1.000000,-0.000000>,0.250000
<37.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-0.000000,-0.000000>,0.250000
<38.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-0.000000,-0.000000>,0.250000
<38.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-1.000000,-0.000000>,0.250000
<37.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-1.000000,-0.000000>,0.250000
<37.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-2.000000,-0.000000>,0.250000
<38.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-2.000000,-0.000000>,0.250000
<38.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-1.000000,-0.000000>,0.250000
<39.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-1.000000,-0.000000>,0.250000
<39.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-2.000000,-0.000000>,0.250000
<40.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-2.000000,-0.000000>,0.250000
<40.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-1.000000,-0.000000>,0.250000
<41.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-1.000000,-0.000000>,0.250000
<41.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-0.000000,-0.000000>,0.250000
<40.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-0.000000,-0.000000>,0.250000
<40.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,1.000000,-0.000000>,0.250000
<41.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,1.000000,-0.000000>,0.250000
<41.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-0.000000,-0.000000>,0.250000
<42.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-0.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-0.000000,-0.000000>,0.250000
<42.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-1.000000,-0.000000>,0.250000
<41.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-1.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-1.000000,-0.000000>,0.250000
<41.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-2.000000,-0.000000>,0.250000
<42.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-2.000000,-0.000000>,0.250000
<42.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-3.000000,-0.000000>,0.250000
<41.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-3.000000,-0.000000>,0.250000
<41.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-2.000000,-0.000000>,0.250000
<40.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-2.000000,-0.000000>,0.250000
<40.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-3.000000,-0.000000>,0.250000
<39.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-3.000000,-0.000000>,0.250000
<39.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-4.000000,-0.000000>,0.250000
<40.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-4.000000,-0.000000>,0.250000
<40.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-5.000000,-0.000000>,0.250000
<39.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-5.000000,-0.000000>,0.250000
<39.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-4.000000,-0.000000>,0.250000
<38.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-4.000000,-0.000000>,0.250000
<38.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-3.000000,-0.000000>,0.250000
<39.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-3.000000,-0.000000>,0.250000
<39.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-2.000000,-0.000000>,0.250000
<38.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-2.000000,-0.000000>,0.250000
<38.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-3.000000,-0.000000>,0.250000
<37.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-3.000000,-0.000000>,0.250000
<37.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-2.000000,-0.000000>,0.250000
<36.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-2.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-2.000000,-0.000000>,0.250000
<36.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-3.000000,-0.000000>,0.250000
<35.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-3.000000,-0.000000>,0.250000
<35.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-4.000000,-0.000000>,0.250000
<36.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-4.000000,-0.000000>,0.250000
<36.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-3.000000,-0.000000>,0.250000
<37.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-3.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-3.000000,-0.000000>,0.250000
<37.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-4.000000,-0.000000>,0.250000
<38.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-4.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-4.000000,-0.000000>,0.250000
<38.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-5.000000,-0.000000>,0.250000
<37.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-5.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-5.000000,-0.000000>,0.250000
<37.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-6.000000,-0.000000>,0.250000
<38.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-6.000000,-0.000000>,0.250000
<38.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-7.000000,-0.000000>,0.250000
<37.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-7.000000,-0.000000>,0.250000
<37.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-6.000000,-0.000000>,0.250000
<36.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-6.000000,-0.000000>,0.250000
<36.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-7.000000,-0.000000>,0.250000
<35.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-7.000000,-0.000000>,0.250000
<35.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-8.000000,-0.000000>,0.250000
<36.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-8.000000,-0.000000>,0.250000
<36.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-7.000000,-0.000000>,0.250000
<37.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-7.000000,-0.000000>,0.250000
<37.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-8.000000,-0.000000>,0.250000
<38.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-8.000000,-0.000000>,0.250000
<38.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-9.000000,-0.000000>,0.250000
<37.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-9.000000,-0.000000>,0.250000
<37.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-10.000000,-0.000000>,0.250000
<38.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-10.000000,-0.000000>,0.250000
<38.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-9.000000,-0.000000>,0.250000
<39.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-9.000000,-0.000000>,0.250000
<39.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-10.000000,-0.000000>,0.250000
<40.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-10.000000,-0.000000>,0.250000
<40.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-9.000000,-0.000000>,0.250000
<41.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-9.000000,-0.000000>,0.250000
<41.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-8.000000,-0.000000>,0.250000
<40.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-8.000000,-0.000000>,0.250000
<40.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-7.000000,-0.000000>,0.250000
<41.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-7.000000,-0.000000>,0.250000
<41.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-8.000000,-0.000000>,0.250000
<42.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-8.000000,-0.000000>,0.250000
<42.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-9.000000,-0.000000>,0.250000
<41.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-9.000000,-0.000000>,0.250000
<41.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-10.000000,-0.000000>,0.250000
<42.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-10.000000,-0.000000>,0.250000
<42.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-11.000000,-0.000000>,0.250000
<41.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-11.000000,-0.000000>,0.250000
<41.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-10.000000,-0.000000>,0.250000
<40.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-10.000000,-0.000000>,0.250000
<40.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-11.000000,-0.000000>,0.250000
<39.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-11.000000,-0.000000>,0.250000
<39.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-12.000000,-0.000000>,0.250000
<40.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-12.000000,-0.000000>,0.250000
<40.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-13.000000,-0.000000>,0.250000
<39.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-13.000000,-0.000000>,0.250000
<39.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-12.000000,-0.000000>,0.250000
<38.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-12.000000,-0.000000>,0.250000
<38.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-11.000000,-0.000000>,0.250000
<39.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-11.000000,-0.000000>,0.250000
<39.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-10.000000,-0.000000>,0.250000
<38.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-10.000000,-0.000000>,0.250000
<38.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-11.000000,-0.000000>,0.250000
<37.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-11.000000,-0.000000>,0.250000
<37.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-10.000000,-0.000000>,0.250000
<36.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-10.000000,-0.000000>,0.250000
<36.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-11.000000,-0.000000>,0.250000
<35.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-11.000000,-0.000000>,0.250000
<35.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-12.000000,-0.000000>,0.250000
<36.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-12.000000,-0.000000>,0.250000
<36.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-13.000000,-0.000000>,0.250000
<35.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-13.000000,-0.000000>,0.250000
<35.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-12.000000,-0.000000>,0.250000
<34.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-12.000000,-0.000000>,0.250000
<34.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-11.000000,-0.000000>,0.250000
<35.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-11.000000,-0.000000>,0.250000
<35.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-10.000000,-0.000000>,0.250000
<34.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-10.000000,-0.000000>,0.250000
<34.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-9.000000,-0.000000>,0.250000
<35.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-9.000000,-0.000000>,0.250000
<35.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-10.000000,-0.000000>,0.250000
<36.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-10.000000,-0.000000>,0.250000
<36.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-9.000000,-0.000000>,0.250000
<37.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-9.000000,-0.000000>,0.250000
<37.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-8.000000,-0.000000>,0.250000
<36.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-8.000000,-0.000000>,0.250000
<36.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-9.000000,-0.000000>,0.250000
<35.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-9.000000,-0.000000>,0.250000
<35.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-8.000000,-0.000000>,0.250000
<34.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-8.000000,-0.000000>,0.250000
<34.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-7.000000,-0.000000>,0.250000
<35.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-7.000000,-0.000000>,0.250000
<35.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-6.000000,-0.000000>,0.250000
<34.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-6.000000,-0.000000>,0.250000
<34.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-7.000000,-0.000000>,0.250000
<33.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-7.000000,-0.000000>,0.250000
<33.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-6.000000,-0.000000>,0.250000
<32.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-6.000000,-0.000000>,0.250000
<32.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-7.000000,-0.000000>,0.250000
<31.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-7.000000,-0.000000>,0.250000
<31.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-8.000000,-0.000000>,0.250000
<32.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-8.000000,-0.000000>,0.250000
<32.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-7.000000,-0.000000>,0.250000
<33.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-7.000000,-0.000000>,0.250000
<33.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-8.000000,-0.000000>,0.250000
<34.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-8.000000,-0.000000>,0.250000
<34.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-9.000000,-0.000000>,0.250000
<33.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-9.000000,-0.000000>,0.250000
<33.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-10.000000,-0.000000>,0.250000
<34.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-10.000000,-0.000000>,0.250000
<34.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-11.000000,-0.000000>,0.250000
<33.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-11.000000,-0.000000>,0.250000
<33.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-10.000000,-0.000000>,0.250000
<32.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-10.000000,-0.000000>,0.250000
<32.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-11.000000,-0.000000>,0.250000
<31.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-11.000000,-0.000000>,0.250000
<31.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-12.000000,-0.000000>,0.250000
<32.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-12.000000,-0.000000>,0.250000
<32.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-13.000000,-0.000000>,0.250000
<31.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-13.000000,-0.000000>,0.250000
<31.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-12.000000,-0.000000>,0.250000
<30.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-12.000000,-0.000000>,0.250000
<30.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-11.000000,-0.000000>,0.250000
<31.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-11.000000,-0.000000>,0.250000
<31.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-10.000000,-0.000000>,0.250000
<30.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-10.000000,-0.000000>,0.250000
<30.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-11.000000,-0.000000>,0.250000
<29.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-11.000000,-0.000000>,0.250000
<29.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-10.000000,-0.000000>,0.250000
<28.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-10.000000,-0.000000>,0.250000
<28.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-11.000000,-0.000000>,0.250000
<27.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-11.000000,-0.000000>,0.250000
<27.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-12.000000,-0.000000>,0.250000
<28.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-12.000000,-0.000000>,0.250000
<28.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-11.000000,-0.000000>,0.250000
<29.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-11.000000,-0.000000>,0.250000
<29.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-12.000000,-0.000000>,0.250000
<30.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-12.000000,-0.000000>,0.250000
<30.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-13.000000,-0.000000>,0.250000
<29.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-13.000000,-0.000000>,0.250000
<29.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-14.000000,-0.000000>,0.250000
<30.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-14.000000,-0.000000>,0.250000
<30.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-15.000000,-0.000000>,0.250000
<29.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-15.000000,-0.000000>,0.250000
<29.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-14.000000,-0.000000>,0.250000
<28.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-14.000000,-0.000000>,0.250000
<28.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-15.000000,-0.000000>,0.250000
<27.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-15.000000,-0.000000>,0.250000
<27.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-16.000000,-0.000000>,0.250000
<28.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-16.000000,-0.000000>,0.250000
<28.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-15.000000,-0.000000>,0.250000
<29.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-15.000000,-0.000000>,0.250000
<29.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-16.000000,-0.000000>,0.250000
<30.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-16.000000,-0.000000>,0.250000
<30.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-17.000000,-0.000000>,0.250000
<29.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-17.000000,-0.000000>,0.250000
<29.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-18.000000,-0.000000>,0.250000
<30.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-18.000000,-0.000000>,0.250000
<30.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-17.000000,-0.000000>,0.250000
<31.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-17.000000,-0.000000>,0.250000
<31.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-18.000000,-0.000000>,0.250000
<32.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-18.000000,-0.000000>,0.250000
<32.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-17.000000,-0.000000>,0.250000
<33.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-17.000000,-0.000000>,0.250000
<33.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-16.000000,-0.000000>,0.250000
<32.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-16.000000,-0.000000>,0.250000
<32.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-15.000000,-0.000000>,0.250000
<33.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-15.000000,-0.000000>,0.250000
<33.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-16.000000,-0.000000>,0.250000
<34.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-16.000000,-0.000000>,0.250000
<34.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-17.000000,-0.000000>,0.250000
<33.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-17.000000,-0.000000>,0.250000
<33.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-18.000000,-0.000000>,0.250000
<34.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-18.000000,-0.000000>,0.250000
<34.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-19.000000,-0.000000>,0.250000
<33.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-19.000000,-0.000000>,0.250000
<33.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-18.000000,-0.000000>,0.250000
<32.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-18.000000,-0.000000>,0.250000
<32.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-19.000000,-0.000000>,0.250000
<31.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-19.000000,-0.000000>,0.250000
<31.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-20.000000,-0.000000>,0.250000
<32.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-20.000000,-0.000000>,0.250000
<32.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-21.000000,-0.000000>,0.250000
<31.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-21.000000,-0.000000>,0.250000
<31.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-20.000000,-0.000000>,0.250000
<30.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-20.000000,-0.000000>,0.250000
<30.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-19.000000,-0.000000>,0.250000
<31.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-19.000000,-0.000000>,0.250000
<31.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-18.000000,-0.000000>,0.250000
<30.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-18.000000,-0.000000>,0.250000
<30.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-19.000000,-0.000000>,0.250000
<29.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-19.000000,-0.000000>,0.250000
<29.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-18.000000,-0.000000>,0.250000
<28.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-18.000000,-0.000000>,0.250000
<28.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-19.000000,-0.000000>,0.250000
<27.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-19.000000,-0.000000>,0.250000
<27.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-20.000000,-0.000000>,0.250000
<28.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-20.000000,-0.000000>,0.250000
<28.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-21.000000,-0.000000>,0.250000
<27.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-21.000000,-0.000000>,0.250000
<27.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-20.000000,-0.000000>,0.250000
<26.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-20.000000,-0.000000>,0.250000
<26.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-19.000000,-0.000000>,0.250000
<27.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-19.000000,-0.000000>,0.250000
<27.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-18.000000,-0.000000>,0.250000
<26.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-18.000000,-0.000000>,0.250000
<26.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-17.000000,-0.000000>,0.250000
<27.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-17.000000,-0.000000>,0.250000
<27.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-18.000000,-0.000000>,0.250000
<28.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-18.000000,-0.000000>,0.250000
<28.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-17.000000,-0.000000>,0.250000
<29.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-17.000000,-0.000000>,0.250000
<29.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-16.000000,-0.000000>,0.250000
<28.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-16.000000,-0.000000>,0.250000
<28.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-17.000000,-0.000000>,0.250000
<27.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-17.000000,-0.000000>,0.250000
<27.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-16.000000,-0.000000>,0.250000
<26.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-16.000000,-0.000000>,0.250000
<26.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-15.000000,-0.000000>,0.250000
<27.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-15.000000,-0.000000>,0.250000
<27.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-14.000000,-0.000000>,0.250000
<26.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-14.000000,-0.000000>,0.250000
<26.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-15.000000,-0.000000>,0.250000
<25.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-15.000000,-0.000000>,0.250000
<25.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-14.000000,-0.000000>,0.250000
<24.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-14.000000,-0.000000>,0.250000
<24.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-15.000000,-0.000000>,0.250000
<23.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-15.000000,-0.000000>,0.250000
<23.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-16.000000,-0.000000>,0.250000
<24.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-16.000000,-0.000000>,0.250000
<24.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-17.000000,-0.000000>,0.250000
<23.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-17.000000,-0.000000>,0.250000
<23.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-16.000000,-0.000000>,0.250000
<22.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-16.000000,-0.000000>,0.250000
<22.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-15.000000,-0.000000>,0.250000
<23.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-15.000000,-0.000000>,0.250000
<23.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-14.000000,-0.000000>,0.250000
<22.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-14.000000,-0.000000>,0.250000
<22.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-13.000000,-0.000000>,0.250000
<23.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-13.000000,-0.000000>,0.250000
<23.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-14.000000,-0.000000>,0.250000
<24.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-14.000000,-0.000000>,0.250000
<24.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-13.000000,-0.000000>,0.250000
<25.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-13.000000,-0.000000>,0.250000
<25.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-12.000000,-0.000000>,0.250000
<24.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-12.000000,-0.000000>,0.250000
<24.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-11.000000,-0.000000>,0.250000
<25.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-11.000000,-0.000000>,0.250000
<25.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-12.000000,-0.000000>,0.250000
<26.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-12.000000,-0.000000>,0.250000
<26.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-13.000000,-0.000000>,0.250000
<25.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-13.000000,-0.000000>,0.250000
<25.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-14.000000,-0.000000>,0.250000
<26.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-14.000000,-0.000000>,0.250000
<26.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-13.000000,-0.000000>,0.250000
<27.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-13.000000,-0.000000>,0.250000
<27.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-14.000000,-0.000000>,0.250000
<28.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-14.000000,-0.000000>,0.250000
<28.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-13.000000,-0.000000>,0.250000
<29.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-13.000000,-0.000000>,0.250000
<29.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-12.000000,-0.000000>,0.250000
<28.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-12.000000,-0.000000>,0.250000
<28.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-13.000000,-0.000000>,0.250000
<27.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-13.000000,-0.000000>,0.250000
<27.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-12.000000,-0.000000>,0.250000
<26.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-12.000000,-0.000000>,0.250000
<26.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-11.000000,-0.000000>,0.250000
<27.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-11.000000,-0.000000>,0.250000
<27.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-10.000000,-0.000000>,0.250000
<26.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-10.000000,-0.000000>,0.250000
<26.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-9.000000,-0.000000>,0.250000
<27.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-9.000000,-0.000000>,0.250000
<27.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-10.000000,-0.000000>,0.250000
<28.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-10.000000,-0.000000>,0.250000
<28.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-9.000000,-0.000000>,0.250000
<29.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-9.000000,-0.000000>,0.250000
<29.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-8.000000,-0.000000>,0.250000
<28.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-8.000000,-0.000000>,0.250000
<28.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-9.000000,-0.000000>,0.250000
<27.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-9.000000,-0.000000>,0.250000
<27.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-8.000000,-0.000000>,0.250000
<26.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-8.000000,-0.000000>,0.250000
<26.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-7.000000,-0.000000>,0.250000
<27.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-7.000000,-0.000000>,0.250000
<27.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-6.000000,-0.000000>,0.250000
<26.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-6.000000,-0.000000>,0.250000
<26.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-7.000000,-0.000000>,0.250000
<25.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-7.000000,-0.000000>,0.250000
<25.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-6.000000,-0.000000>,0.250000
<24.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-6.000000,-0.000000>,0.250000
<24.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-7.000000,-0.000000>,0.250000
<23.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-7.000000,-0.000000>,0.250000
<23.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-8.000000,-0.000000>,0.250000
<24.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-8.000000,-0.000000>,0.250000
<24.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-7.000000,-0.000000>,0.250000
<25.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-7.000000,-0.000000>,0.250000
<25.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-8.000000,-0.000000>,0.250000
<26.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-8.000000,-0.000000>,0.250000
<26.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-9.000000,-0.000000>,0.250000
<25.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-9.000000,-0.000000>,0.250000
<25.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-10.000000,-0.000000>,0.250000
<26.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-10.000000,-0.000000>,0.250000
<26.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-11.000000,-0.000000>,0.250000
<25.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-11.000000,-0.000000>,0.250000
<25.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-10.000000,-0.000000>,0.250000
<24.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-10.000000,-0.000000>,0.250000
<24.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-11.000000,-0.000000>,0.250000
<23.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-11.000000,-0.000000>,0.250000
<23.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-12.000000,-0.000000>,0.250000
<24.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-12.000000,-0.000000>,0.250000
<24.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-13.000000,-0.000000>,0.250000
<23.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-13.000000,-0.000000>,0.250000
<23.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-12.000000,-0.000000>,0.250000
<22.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-12.000000,-0.000000>,0.250000
<22.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-11.000000,-0.000000>,0.250000
<23.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-11.000000,-0.000000>,0.250000
<23.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-10.000000,-0.000000>,0.250000
<22.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-10.000000,-0.000000>,0.250000
<22.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-11.000000,-0.000000>,0.250000
<21.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-11.000000,-0.000000>,0.250000
<21.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-10.000000,-0.000000>,0.250000
<20.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-10.000000,-0.000000>,0.250000
<20.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-11.000000,-0.000000>,0.250000
<19.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-11.000000,-0.000000>,0.250000
<19.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-12.000000,-0.000000>,0.250000
<20.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-12.000000,-0.000000>,0.250000
<20.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-13.000000,-0.000000>,0.250000
<19.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-13.000000,-0.000000>,0.250000
<19.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-12.000000,-0.000000>,0.250000
<18.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-12.000000,-0.000000>,0.250000
<18.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-11.000000,-0.000000>,0.250000
<19.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-11.000000,-0.000000>,0.250000
<19.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-10.000000,-0.000000>,0.250000
<18.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-10.000000,-0.000000>,0.250000
<18.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-9.000000,-0.000000>,0.250000
<19.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-9.000000,-0.000000>,0.250000
<19.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-10.000000,-0.000000>,0.250000
<20.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-10.000000,-0.000000>,0.250000
<20.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-9.000000,-0.000000>,0.250000
<21.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-9.000000,-0.000000>,0.250000
<21.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-8.000000,-0.000000>,0.250000
<20.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-8.000000,-0.000000>,0.250000
<20.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-9.000000,-0.000000>,0.250000
<19.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-9.000000,-0.000000>,0.250000
<19.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-8.000000,-0.000000>,0.250000
<18.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-8.000000,-0.000000>,0.250000
<18.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-7.000000,-0.000000>,0.250000
<19.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-7.000000,-0.000000>,0.250000
<19.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-6.000000,-0.000000>,0.250000
<18.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-6.000000,-0.000000>,0.250000
<18.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-7.000000,-0.000000>,0.250000
<17.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-7.000000,-0.000000>,0.250000
<17.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-6.000000,-0.000000>,0.250000
<16.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-6.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-6.000000,-0.000000>,0.250000
<16.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-7.000000,-0.000000>,0.250000
<15.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-7.000000,-0.000000>,0.250000
<15.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-8.000000,-0.000000>,0.250000
<16.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-8.000000,-0.000000>,0.250000
<16.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-7.000000,-0.000000>,0.250000
<17.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-7.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-7.000000,-0.000000>,0.250000
<17.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-8.000000,-0.000000>,0.250000
<18.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-8.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-8.000000,-0.000000>,0.250000
<18.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-9.000000,-0.000000>,0.250000
<17.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-9.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-9.000000,-0.000000>,0.250000
<17.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-10.000000,-0.000000>,0.250000
<18.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-10.000000,-0.000000>,0.250000
<18.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-11.000000,-0.000000>,0.250000
<17.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-11.000000,-0.000000>,0.250000
<17.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-10.000000,-0.000000>,0.250000
<16.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-10.000000,-0.000000>,0.250000
<16.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-11.000000,-0.000000>,0.250000
<15.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-11.000000,-0.000000>,0.250000
<15.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-12.000000,-0.000000>,0.250000
<16.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-12.000000,-0.000000>,0.250000
<16.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-13.000000,-0.000000>,0.250000
<15.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-13.000000,-0.000000>,0.250000
<15.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-12.000000,-0.000000>,0.250000
<14.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-12.000000,-0.000000>,0.250000
<14.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-11.000000,-0.000000>,0.250000
<15.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-11.000000,-0.000000>,0.250000
<15.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-10.000000,-0.000000>,0.250000
<14.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-10.000000,-0.000000>,0.250000
<14.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-11.000000,-0.000000>,0.250000
<13.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-11.000000,-0.000000>,0.250000
<13.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-10.000000,-0.000000>,0.250000
<12.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-10.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-10.000000,-0.000000>,0.250000
<12.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-11.000000,-0.000000>,0.250000
<11.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-11.000000,-0.000000>,0.250000
<11.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-12.000000,-0.000000>,0.250000
<12.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-12.000000,-0.000000>,0.250000
<12.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-11.000000,-0.000000>,0.250000
<13.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-11.000000,-0.000000>,0.250000
<13.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-12.000000,-0.000000>,0.250000
<14.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-12.000000,-0.000000>,0.250000
<14.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-13.000000,-0.000000>,0.250000
<13.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-13.000000,-0.000000>,0.250000
<13.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-14.000000,-0.000000>,0.250000
<14.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-14.000000,-0.000000>,0.250000
<14.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-15.000000,-0.000000>,0.250000
<13.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-15.000000,-0.000000>,0.250000
<13.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-14.000000,-0.000000>,0.250000
<12.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-14.000000,-0.000000>,0.250000
<12.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-15.000000,-0.000000>,0.250000
<11.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-15.000000,-0.000000>,0.250000
<11.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-16.000000,-0.000000>,0.250000
<12.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-16.000000,-0.000000>,0.250000
<12.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-15.000000,-0.000000>,0.250000
<13.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-15.000000,-0.000000>,0.250000
<13.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-16.000000,-0.000000>,0.250000
<14.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-16.000000,-0.000000>,0.250000
<14.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-17.000000,-0.000000>,0.250000
<13.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-17.000000,-0.000000>,0.250000
<13.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-18.000000,-0.000000>,0.250000
<14.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-18.000000,-0.000000>,0.250000
<14.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-17.000000,-0.000000>,0.250000
<15.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-17.000000,-0.000000>,0.250000
<15.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-18.000000,-0.000000>,0.250000
<16.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-18.000000,-0.000000>,0.250000
<16.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-17.000000,-0.000000>,0.250000
<17.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-17.000000,-0.000000>,0.250000
<17.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-16.000000,-0.000000>,0.250000
<16.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-16.000000,-0.000000>,0.250000
<16.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-17.000000,-0.000000>,0.250000
<15.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-17.000000,-0.000000>,0.250000
<15.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-16.000000,-0.000000>,0.250000
<14.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-16.000000,-0.000000>,0.250000
<14.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-15.000000,-0.000000>,0.250000
<15.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-15.000000,-0.000000>,0.250000
<15.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-14.000000,-0.000000>,0.250000
<14.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-14.000000,-0.000000>,0.250000
<14.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-13.000000,-0.000000>,0.250000
<15.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-13.000000,-0.000000>,0.250000
<15.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-14.000000,-0.000000>,0.250000
<16.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-14.000000,-0.000000>,0.250000
<16.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-13.000000,-0.000000>,0.250000
<17.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-13.000000,-0.000000>,0.250000
<17.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-12.000000,-0.000000>,0.250000
<16.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-12.000000,-0.000000>,0.250000
<16.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-11.000000,-0.000000>,0.250000
<17.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-11.000000,-0.000000>,0.250000
<17.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-12.000000,-0.000000>,0.250000
<18.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-12.000000,-0.000000>,0.250000
<18.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-13.000000,-0.000000>,0.250000
<17.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-13.000000,-0.000000>,0.250000
<17.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-14.000000,-0.000000>,0.250000
<18.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-14.000000,-0.000000>,0.250000
<18.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-13.000000,-0.000000>,0.250000
<19.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-13.000000,-0.000000>,0.250000
<19.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-14.000000,-0.000000>,0.250000
<20.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-14.000000,-0.000000>,0.250000
<20.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-13.000000,-0.000000>,0.250000
<21.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-13.000000,-0.000000>,0.250000
<21.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-12.000000,-0.000000>,0.250000
<20.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-12.000000,-0.000000>,0.250000
<20.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-11.000000,-0.000000>,0.250000
<21.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-11.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-11.000000,-0.000000>,0.250000
<21.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-12.000000,-0.000000>,0.250000
<22.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-12.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-12.000000,-0.000000>,0.250000
<22.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-13.000000,-0.000000>,0.250000
<21.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-13.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-13.000000,-0.000000>,0.250000
<21.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-14.000000,-0.000000>,0.250000
<22.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-14.000000,-0.000000>,0.250000
<22.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-15.000000,-0.000000>,0.250000
<21.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-15.000000,-0.000000>,0.250000
<21.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-14.000000,-0.000000>,0.250000
<20.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-14.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-14.000000,-0.000000>,0.250000
<20.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-15.000000,-0.000000>,0.250000
<19.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-15.000000,-0.000000>,0.250000
<19.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-16.000000,-0.000000>,0.250000
<20.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-16.000000,-0.000000>,0.250000
<20.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-15.000000,-0.000000>,0.250000
<21.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-15.000000,-0.000000>,0.250000
<21.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-16.000000,-0.000000>,0.250000
<22.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-16.000000,-0.000000>,0.250000
<22.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-17.000000,-0.000000>,0.250000
<21.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-17.000000,-0.000000>,0.250000
<21.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-18.000000,-0.000000>,0.250000
<22.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-18.000000,-0.000000>,0.250000
<22.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-17.000000,-0.000000>,0.250000
<23.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-17.000000,-0.000000>,0.250000
<23.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-18.000000,-0.000000>,0.250000
<24.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-18.000000,-0.000000>,0.250000
<24.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-17.000000,-0.000000>,0.250000
<25.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-17.000000,-0.000000>,0.250000
<25.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-16.000000,-0.000000>,0.250000
<24.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-16.000000,-0.000000>,0.250000
<24.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-15.000000,-0.000000>,0.250000
<25.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-15.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-15.000000,-0.000000>,0.250000
<25.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-16.000000,-0.000000>,0.250000
<26.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-16.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-16.000000,-0.000000>,0.250000
<26.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-17.000000,-0.000000>,0.250000
<25.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-17.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-17.000000,-0.000000>,0.250000
<25.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-18.000000,-0.000000>,0.250000
<26.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-18.000000,-0.000000>,0.250000
<26.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-19.000000,-0.000000>,0.250000
<25.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-19.000000,-0.000000>,0.250000
<25.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-18.000000,-0.000000>,0.250000
<24.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-18.000000,-0.000000>,0.250000
<24.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-19.000000,-0.000000>,0.250000
<23.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-19.000000,-0.000000>,0.250000
<23.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-20.000000,-0.000000>,0.250000
<24.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-20.000000,-0.000000>,0.250000
<24.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-21.000000,-0.000000>,0.250000
<23.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-21.000000,-0.000000>,0.250000
<23.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-20.000000,-0.000000>,0.250000
<22.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-20.000000,-0.000000>,0.250000
<22.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-19.000000,-0.000000>,0.250000
<23.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-19.000000,-0.000000>,0.250000
<23.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-18.000000,-0.000000>,0.250000
<22.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-18.000000,-0.000000>,0.250000
<22.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-19.000000,-0.000000>,0.250000
<21.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-19.000000,-0.000000>,0.250000
<21.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-18.000000,-0.000000>,0.250000
<20.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-18.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-18.000000,-0.000000>,0.250000
<20.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-19.000000,-0.000000>,0.250000
<19.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-19.000000,-0.000000>,0.250000
<19.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-20.000000,-0.000000>,0.250000
<20.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-20.000000,-0.000000>,0.250000
<20.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-19.000000,-0.000000>,0.250000
<21.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-19.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-19.000000,-0.000000>,0.250000
<21.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-20.000000,-0.000000>,0.250000
<22.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-20.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-20.000000,-0.000000>,0.250000
<22.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-21.000000,-0.000000>,0.250000
<21.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-21.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-21.000000,-0.000000>,0.250000
<21.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-22.000000,-0.000000>,0.250000
<22.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-22.000000,-0.000000>,0.250000
<22.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-23.000000,-0.000000>,0.250000
<21.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-23.000000,-0.000000>,0.250000
<21.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-22.000000,-0.000000>,0.250000
<20.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-22.000000,-0.000000>,0.250000
<20.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-23.000000,-0.000000>,0.250000
<19.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-23.000000,-0.000000>,0.250000
<19.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-24.000000,-0.000000>,0.250000
<20.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-24.000000,-0.000000>,0.250000
<20.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-23.000000,-0.000000>,0.250000
<21.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-23.000000,-0.000000>,0.250000
<21.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-24.000000,-0.000000>,0.250000
<22.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-24.000000,-0.000000>,0.250000
<22.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-25.000000,-0.000000>,0.250000
<21.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-25.000000,-0.000000>,0.250000
<21.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-26.000000,-0.000000>,0.250000
<22.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-26.000000,-0.000000>,0.250000
<22.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-25.000000,-0.000000>,0.250000
<23.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-25.000000,-0.000000>,0.250000
<23.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-26.000000,-0.000000>,0.250000
<24.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-26.000000,-0.000000>,0.250000
<24.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-25.000000,-0.000000>,0.250000
<25.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-25.000000,-0.000000>,0.250000
<25.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-24.000000,-0.000000>,0.250000
<24.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-24.000000,-0.000000>,0.250000
<24.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-23.000000,-0.000000>,0.250000
<25.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-23.000000,-0.000000>,0.250000
<25.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-24.000000,-0.000000>,0.250000
<26.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-24.000000,-0.000000>,0.250000
<26.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-25.000000,-0.000000>,0.250000
<25.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-25.000000,-0.000000>,0.250000
<25.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-26.000000,-0.000000>,0.250000
<26.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-26.000000,-0.000000>,0.250000
<26.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-27.000000,-0.000000>,0.250000
<25.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-27.000000,-0.000000>,0.250000
<25.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-26.000000,-0.000000>,0.250000
<24.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-26.000000,-0.000000>,0.250000
<24.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-27.000000,-0.000000>,0.250000
<23.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-27.000000,-0.000000>,0.250000
<23.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-28.000000,-0.000000>,0.250000
<24.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-28.000000,-0.000000>,0.250000
<24.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-29.000000,-0.000000>,0.250000
<23.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-29.000000,-0.000000>,0.250000
<23.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-28.000000,-0.000000>,0.250000
<22.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-28.000000,-0.000000>,0.250000
<22.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-27.000000,-0.000000>,0.250000
<23.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-27.000000,-0.000000>,0.250000
<23.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-26.000000,-0.000000>,0.250000
<22.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-26.000000,-0.000000>,0.250000
<22.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-27.000000,-0.000000>,0.250000
<21.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-27.000000,-0.000000>,0.250000
<21.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-26.000000,-0.000000>,0.250000
<20.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-26.000000,-0.000000>,0.250000
<20.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-27.000000,-0.000000>,0.250000
<19.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-27.000000,-0.000000>,0.250000
<19.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-28.000000,-0.000000>,0.250000
<20.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-28.000000,-0.000000>,0.250000
<20.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-29.000000,-0.000000>,0.250000
<19.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-29.000000,-0.000000>,0.250000
<19.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-28.000000,-0.000000>,0.250000
<18.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-28.000000,-0.000000>,0.250000
<18.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-27.000000,-0.000000>,0.250000
<19.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-27.000000,-0.000000>,0.250000
<19.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-26.000000,-0.000000>,0.250000
<18.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-26.000000,-0.000000>,0.250000
<18.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-25.000000,-0.000000>,0.250000
<19.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-25.000000,-0.000000>,0.250000
<19.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-26.000000,-0.000000>,0.250000
<20.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-26.000000,-0.000000>,0.250000
<20.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-25.000000,-0.000000>,0.250000
<21.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-25.000000,-0.000000>,0.250000
<21.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-24.000000,-0.000000>,0.250000
<20.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-24.000000,-0.000000>,0.250000
<20.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-25.000000,-0.000000>,0.250000
<19.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-25.000000,-0.000000>,0.250000
<19.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-24.000000,-0.000000>,0.250000
<18.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-24.000000,-0.000000>,0.250000
<18.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-23.000000,-0.000000>,0.250000
<19.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-23.000000,-0.000000>,0.250000
<19.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-22.000000,-0.000000>,0.250000
<18.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-22.000000,-0.000000>,0.250000
<18.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-23.000000,-0.000000>,0.250000
<17.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-23.000000,-0.000000>,0.250000
<17.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-22.000000,-0.000000>,0.250000
<16.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-22.000000,-0.000000>,0.250000
<16.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-23.000000,-0.000000>,0.250000
<15.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-23.000000,-0.000000>,0.250000
<15.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-24.000000,-0.000000>,0.250000
<16.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-24.000000,-0.000000>,0.250000
<16.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-23.000000,-0.000000>,0.250000
<17.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-23.000000,-0.000000>,0.250000
<17.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-24.000000,-0.000000>,0.250000
<18.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-24.000000,-0.000000>,0.250000
<18.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-25.000000,-0.000000>,0.250000
<17.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-25.000000,-0.000000>,0.250000
<17.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-26.000000,-0.000000>,0.250000
<18.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-26.000000,-0.000000>,0.250000
<18.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-27.000000,-0.000000>,0.250000
<17.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-27.000000,-0.000000>,0.250000
<17.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-26.000000,-0.000000>,0.250000
<16.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-26.000000,-0.000000>,0.250000
<16.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-27.000000,-0.000000>,0.250000
<15.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-27.000000,-0.000000>,0.250000
<15.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-28.000000,-0.000000>,0.250000
<16.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-28.000000,-0.000000>,0.250000
<16.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-29.000000,-0.000000>,0.250000
<15.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-29.000000,-0.000000>,0.250000
<15.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-28.000000,-0.000000>,0.250000
<14.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-28.000000,-0.000000>,0.250000
<14.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-27.000000,-0.000000>,0.250000
<15.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-27.000000,-0.000000>,0.250000
<15.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-26.000000,-0.000000>,0.250000
<14.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-26.000000,-0.000000>,0.250000
<14.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-27.000000,-0.000000>,0.250000
<13.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-27.000000,-0.000000>,0.250000
<13.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-26.000000,-0.000000>,0.250000
<12.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-26.000000,-0.000000>,0.250000
<12.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-27.000000,-0.000000>,0.250000
<11.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-27.000000,-0.000000>,0.250000
<11.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-28.000000,-0.000000>,0.250000
<12.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-28.000000,-0.000000>,0.250000
<12.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-27.000000,-0.000000>,0.250000
<13.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-27.000000,-0.000000>,0.250000
<13.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-28.000000,-0.000000>,0.250000
<14.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-28.000000,-0.000000>,0.250000
<14.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-29.000000,-0.000000>,0.250000
<13.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-29.000000,-0.000000>,0.250000
<13.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-30.000000,-0.000000>,0.250000
<14.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-30.000000,-0.000000>,0.250000
<14.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-31.000000,-0.000000>,0.250000
<13.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-31.000000,-0.000000>,0.250000
<13.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-30.000000,-0.000000>,0.250000
<12.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-30.000000,-0.000000>,0.250000
<12.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-31.000000,-0.000000>,0.250000
<11.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-31.000000,-0.000000>,0.250000
<11.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-32.000000,-0.000000>,0.250000
<12.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-32.000000,-0.000000>,0.250000
<12.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-31.000000,-0.000000>,0.250000
<13.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-31.000000,-0.000000>,0.250000
<13.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-32.000000,-0.000000>,0.250000
<14.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-32.000000,-0.000000>,0.250000
<14.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-33.000000,-0.000000>,0.250000
<13.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-33.000000,-0.000000>,0.250000
<13.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-34.000000,-0.000000>,0.250000
<14.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-34.000000,-0.000000>,0.250000
<14.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-33.000000,-0.000000>,0.250000
<15.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-33.000000,-0.000000>,0.250000
<15.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-34.000000,-0.000000>,0.250000
<16.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-34.000000,-0.000000>,0.250000
<16.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-33.000000,-0.000000>,0.250000
<17.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-33.000000,-0.000000>,0.250000
<17.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-32.000000,-0.000000>,0.250000
<16.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-32.000000,-0.000000>,0.250000
<16.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-33.000000,-0.000000>,0.250000
<15.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-33.000000,-0.000000>,0.250000
<15.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-32.000000,-0.000000>,0.250000
<14.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-32.000000,-0.000000>,0.250000
<14.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-31.000000,-0.000000>,0.250000
<15.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-31.000000,-0.000000>,0.250000
<15.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-30.000000,-0.000000>,0.250000
<14.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-30.000000,-0.000000>,0.250000
<14.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-29.000000,-0.000000>,0.250000
<15.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-29.000000,-0.000000>,0.250000
<15.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-30.000000,-0.000000>,0.250000
<16.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-30.000000,-0.000000>,0.250000
<16.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-29.000000,-0.000000>,0.250000
<17.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-29.000000,-0.000000>,0.250000
<17.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-28.000000,-0.000000>,0.250000
<16.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-28.000000,-0.000000>,0.250000
<16.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-27.000000,-0.000000>,0.250000
<17.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-27.000000,-0.000000>,0.250000
<17.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-28.000000,-0.000000>,0.250000
<18.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-28.000000,-0.000000>,0.250000
<18.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-29.000000,-0.000000>,0.250000
<17.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-29.000000,-0.000000>,0.250000
<17.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-30.000000,-0.000000>,0.250000
<18.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-30.000000,-0.000000>,0.250000
<18.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-29.000000,-0.000000>,0.250000
<19.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-29.000000,-0.000000>,0.250000
<19.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-30.000000,-0.000000>,0.250000
<20.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-30.000000,-0.000000>,0.250000
<20.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-29.000000,-0.000000>,0.250000
<21.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-29.000000,-0.000000>,0.250000
<21.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-28.000000,-0.000000>,0.250000
<20.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-28.000000,-0.000000>,0.250000
<20.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-27.000000,-0.000000>,0.250000
<21.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-27.000000,-0.000000>,0.250000
<21.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-28.000000,-0.000000>,0.250000
<22.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-28.000000,-0.000000>,0.250000
<22.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-29.000000,-0.000000>,0.250000
<21.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-29.000000,-0.000000>,0.250000
<21.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-30.000000,-0.000000>,0.250000
<22.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-30.000000,-0.000000>,0.250000
<22.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-31.000000,-0.000000>,0.250000
<21.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-31.000000,-0.000000>,0.250000
<21.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-30.000000,-0.000000>,0.250000
<20.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-30.000000,-0.000000>,0.250000
<20.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-31.000000,-0.000000>,0.250000
<19.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-31.000000,-0.000000>,0.250000
<19.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-32.000000,-0.000000>,0.250000
<20.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-32.000000,-0.000000>,0.250000
<20.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-31.000000,-0.000000>,0.250000
<21.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-31.000000,-0.000000>,0.250000
<21.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-32.000000,-0.000000>,0.250000
<22.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-32.000000,-0.000000>,0.250000
<22.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-33.000000,-0.000000>,0.250000
<21.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-33.000000,-0.000000>,0.250000
<21.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-34.000000,-0.000000>,0.250000
<22.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-34.000000,-0.000000>,0.250000
<22.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-33.000000,-0.000000>,0.250000
<23.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-33.000000,-0.000000>,0.250000
<23.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-34.000000,-0.000000>,0.250000
<24.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-34.000000,-0.000000>,0.250000
<24.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-33.000000,-0.000000>,0.250000
<25.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-33.000000,-0.000000>,0.250000
<25.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-32.000000,-0.000000>,0.250000
<24.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-32.000000,-0.000000>,0.250000
<24.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-31.000000,-0.000000>,0.250000
<25.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-31.000000,-0.000000>,0.250000
<25.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-32.000000,-0.000000>,0.250000
<26.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-32.000000,-0.000000>,0.250000
<26.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-33.000000,-0.000000>,0.250000
<25.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-33.000000,-0.000000>,0.250000
<25.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-34.000000,-0.000000>,0.250000
<26.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-34.000000,-0.000000>,0.250000
<26.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-35.000000,-0.000000>,0.250000
<25.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-35.000000,-0.000000>,0.250000
<25.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-34.000000,-0.000000>,0.250000
<24.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-34.000000,-0.000000>,0.250000
<24.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-35.000000,-0.000000>,0.250000
<23.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-35.000000,-0.000000>,0.250000
<23.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-36.000000,-0.000000>,0.250000
<24.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-36.000000,-0.000000>,0.250000
<24.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-37.000000,-0.000000>,0.250000
<23.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-37.000000,-0.000000>,0.250000
<23.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-36.000000,-0.000000>,0.250000
<22.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-36.000000,-0.000000>,0.250000
<22.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-35.000000,-0.000000>,0.250000
<23.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-35.000000,-0.000000>,0.250000
<23.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-34.000000,-0.000000>,0.250000
<22.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-34.000000,-0.000000>,0.250000
<22.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-35.000000,-0.000000>,0.250000
<21.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-35.000000,-0.000000>,0.250000
<21.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-34.000000,-0.000000>,0.250000
<20.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-34.000000,-0.000000>,0.250000
<20.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-35.000000,-0.000000>,0.250000
<19.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-35.000000,-0.000000>,0.250000
<19.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-36.000000,-0.000000>,0.250000
<20.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-36.000000,-0.000000>,0.250000
<20.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-35.000000,-0.000000>,0.250000
<21.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-35.000000,-0.000000>,0.250000
<21.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-36.000000,-0.000000>,0.250000
<22.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-36.000000,-0.000000>,0.250000
<22.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-37.000000,-0.000000>,0.250000
<21.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-37.000000,-0.000000>,0.250000
<21.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-38.000000,-0.000000>,0.250000
<22.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-38.000000,-0.000000>,0.250000
<22.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-39.000000,-0.000000>,0.250000
<21.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-39.000000,-0.000000>,0.250000
<21.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-38.000000,-0.000000>,0.250000
<20.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-38.000000,-0.000000>,0.250000
<20.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-39.000000,-0.000000>,0.250000
<19.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-39.000000,-0.000000>,0.250000
<19.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-40.000000,-0.000000>,0.250000
<20.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-40.000000,-0.000000>,0.250000
<20.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-39.000000,-0.000000>,0.250000
<21.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-39.000000,-0.000000>,0.250000
<21.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-40.000000,-0.000000>,0.250000
<22.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-40.000000,-0.000000>,0.250000
<22.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-41.000000,-0.000000>,0.250000
<21.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-41.000000,-0.000000>,0.250000
<21.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-42.000000,-0.000000>,0.250000
<22.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-42.000000,-0.000000>,0.250000
<22.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-41.000000,-0.000000>,0.250000
<23.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-41.000000,-0.000000>,0.250000
<23.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-42.000000,-0.000000>,0.250000
<24.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-42.000000,-0.000000>,0.250000
<24.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-41.000000,-0.000000>,0.250000
<25.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-41.000000,-0.000000>,0.250000
<25.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-40.000000,-0.000000>,0.250000
<24.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-40.000000,-0.000000>,0.250000
<24.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-41.000000,-0.000000>,0.250000
<23.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-41.000000,-0.000000>,0.250000
<23.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-40.000000,-0.000000>,0.250000
<22.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-40.000000,-0.000000>,0.250000
<22.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-39.000000,-0.000000>,0.250000
<23.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-39.000000,-0.000000>,0.250000
<23.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-38.000000,-0.000000>,0.250000
<22.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-38.000000,-0.000000>,0.250000
<22.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-37.000000,-0.000000>,0.250000
<23.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-37.000000,-0.000000>,0.250000
<23.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-38.000000,-0.000000>,0.250000
<24.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-38.000000,-0.000000>,0.250000
<24.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-37.000000,-0.000000>,0.250000
<25.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-37.000000,-0.000000>,0.250000
<25.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-36.000000,-0.000000>,0.250000
<24.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-36.000000,-0.000000>,0.250000
<24.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-35.000000,-0.000000>,0.250000
<25.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-35.000000,-0.000000>,0.250000
<25.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-36.000000,-0.000000>,0.250000
<26.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-36.000000,-0.000000>,0.250000
<26.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-37.000000,-0.000000>,0.250000
<25.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-37.000000,-0.000000>,0.250000
<25.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-38.000000,-0.000000>,0.250000
<26.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-38.000000,-0.000000>,0.250000
<26.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-37.000000,-0.000000>,0.250000
<27.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-37.000000,-0.000000>,0.250000
<27.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-38.000000,-0.000000>,0.250000
<28.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-38.000000,-0.000000>,0.250000
<28.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-37.000000,-0.000000>,0.250000
<29.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-37.000000,-0.000000>,0.250000
<29.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-36.000000,-0.000000>,0.250000
<28.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-36.000000,-0.000000>,0.250000
<28.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-35.000000,-0.000000>,0.250000
<29.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-35.000000,-0.000000>,0.250000
<29.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-36.000000,-0.000000>,0.250000
<30.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-36.000000,-0.000000>,0.250000
<30.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-37.000000,-0.000000>,0.250000
<29.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-37.000000,-0.000000>,0.250000
<29.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-38.000000,-0.000000>,0.250000
<30.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-38.000000,-0.000000>,0.250000
<30.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-39.000000,-0.000000>,0.250000
<29.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-39.000000,-0.000000>,0.250000
<29.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-38.000000,-0.000000>,0.250000
<28.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-38.000000,-0.000000>,0.250000
<28.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-39.000000,-0.000000>,0.250000
<27.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-39.000000,-0.000000>,0.250000
<27.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-40.000000,-0.000000>,0.250000
<28.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-40.000000,-0.000000>,0.250000
<28.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-39.000000,-0.000000>,0.250000
<29.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-39.000000,-0.000000>,0.250000
<29.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-40.000000,-0.000000>,0.250000
<30.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-40.000000,-0.000000>,0.250000
<30.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-41.000000,-0.000000>,0.250000
<29.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-41.000000,-0.000000>,0.250000
<29.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-42.000000,-0.000000>,0.250000
<30.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-42.000000,-0.000000>,0.250000
<30.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-41.000000,-0.000000>,0.250000
<31.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-41.000000,-0.000000>,0.250000
<31.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-42.000000,-0.000000>,0.250000
<32.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-42.000000,-0.000000>,0.250000
<32.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-41.000000,-0.000000>,0.250000
<33.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-41.000000,-0.000000>,0.250000
<33.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-40.000000,-0.000000>,0.250000
<32.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-40.000000,-0.000000>,0.250000
<32.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-41.000000,-0.000000>,0.250000
<31.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-41.000000,-0.000000>,0.250000
<31.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-40.000000,-0.000000>,0.250000
<30.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-40.000000,-0.000000>,0.250000
<30.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-39.000000,-0.000000>,0.250000
<31.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-39.000000,-0.000000>,0.250000
<31.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-38.000000,-0.000000>,0.250000
<30.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-38.000000,-0.000000>,0.250000
<30.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-37.000000,-0.000000>,0.250000
<31.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-37.000000,-0.000000>,0.250000
<31.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-38.000000,-0.000000>,0.250000
<32.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-38.000000,-0.000000>,0.250000
<32.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-37.000000,-0.000000>,0.250000
<33.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-37.000000,-0.000000>,0.250000
<33.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-36.000000,-0.000000>,0.250000
<32.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-36.000000,-0.000000>,0.250000
<32.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-35.000000,-0.000000>,0.250000
<33.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-35.000000,-0.000000>,0.250000
<33.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-36.000000,-0.000000>,0.250000
<34.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-36.000000,-0.000000>,0.250000
<34.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-37.000000,-0.000000>,0.250000
<33.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-37.000000,-0.000000>,0.250000
<33.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-38.000000,-0.000000>,0.250000
<34.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-38.000000,-0.000000>,0.250000
<34.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-37.000000,-0.000000>,0.250000
<35.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-37.000000,-0.000000>,0.250000
<35.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-38.000000,-0.000000>,0.250000
<36.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-38.000000,-0.000000>,0.250000
<36.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-37.000000,-0.000000>,0.250000
<37.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-37.000000,-0.000000>,0.250000
<37.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-36.000000,-0.000000>,0.250000
<36.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-36.000000,-0.000000>,0.250000
<36.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-37.000000,-0.000000>,0.250000
<35.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-37.000000,-0.000000>,0.250000
<35.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-36.000000,-0.000000>,0.250000
<34.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-36.000000,-0.000000>,0.250000
<34.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-35.000000,-0.000000>,0.250000
<35.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-35.000000,-0.000000>,0.250000
<35.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-34.000000,-0.000000>,0.250000
<34.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-34.000000,-0.000000>,0.250000
<34.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-33.000000,-0.000000>,0.250000
<35.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-33.000000,-0.000000>,0.250000
<35.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-34.000000,-0.000000>,0.250000
<36.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-34.000000,-0.000000>,0.250000
<36.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-33.000000,-0.000000>,0.250000
<37.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-33.000000,-0.000000>,0.250000
<37.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-32.000000,-0.000000>,0.250000
<36.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-32.000000,-0.000000>,0.250000
<36.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-33.000000,-0.000000>,0.250000
<35.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-33.000000,-0.000000>,0.250000
<35.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-32.000000,-0.000000>,0.250000
<34.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-32.000000,-0.000000>,0.250000
<34.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-31.000000,-0.000000>,0.250000
<35.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-31.000000,-0.000000>,0.250000
<35.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-30.000000,-0.000000>,0.250000
<34.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-30.000000,-0.000000>,0.250000
<34.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-31.000000,-0.000000>,0.250000
<33.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-31.000000,-0.000000>,0.250000
<33.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-30.000000,-0.000000>,0.250000
<32.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-30.000000,-0.000000>,0.250000
<32.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-31.000000,-0.000000>,0.250000
<31.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-31.000000,-0.000000>,0.250000
<31.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-32.000000,-0.000000>,0.250000
<32.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-32.000000,-0.000000>,0.250000
<32.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-33.000000,-0.000000>,0.250000
<31.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-33.000000,-0.000000>,0.250000
<31.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-32.000000,-0.000000>,0.250000
<30.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-32.000000,-0.000000>,0.250000
<30.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-31.000000,-0.000000>,0.250000
<31.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-31.000000,-0.000000>,0.250000
<31.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-30.000000,-0.000000>,0.250000
<30.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-30.000000,-0.000000>,0.250000
<30.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-29.000000,-0.000000>,0.250000
<31.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-29.000000,-0.000000>,0.250000
<31.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-30.000000,-0.000000>,0.250000
<32.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-30.000000,-0.000000>,0.250000
<32.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-29.000000,-0.000000>,0.250000
<33.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-29.000000,-0.000000>,0.250000
<33.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-28.000000,-0.000000>,0.250000
<32.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-28.000000,-0.000000>,0.250000
<32.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-27.000000,-0.000000>,0.250000
<33.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-27.000000,-0.000000>,0.250000
<33.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-28.000000,-0.000000>,0.250000
<34.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-28.000000,-0.000000>,0.250000
<34.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-29.000000,-0.000000>,0.250000
<33.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-29.000000,-0.000000>,0.250000
<33.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-30.000000,-0.000000>,0.250000
<34.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-30.000000,-0.000000>,0.250000
<34.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-29.000000,-0.000000>,0.250000
<35.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-29.000000,-0.000000>,0.250000
<35.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-30.000000,-0.000000>,0.250000
<36.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-30.000000,-0.000000>,0.250000
<36.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-29.000000,-0.000000>,0.250000
<37.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-29.000000,-0.000000>,0.250000
<37.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-28.000000,-0.000000>,0.250000
<36.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-28.000000,-0.000000>,0.250000
<36.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-27.000000,-0.000000>,0.250000
<37.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-27.000000,-0.000000>,0.250000
<37.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-28.000000,-0.000000>,0.250000
<38.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-28.000000,-0.000000>,0.250000
<38.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-29.000000,-0.000000>,0.250000
<37.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-29.000000,-0.000000>,0.250000
<37.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-30.000000,-0.000000>,0.250000
<38.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-30.000000,-0.000000>,0.250000
<38.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-31.000000,-0.000000>,0.250000
<37.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-31.000000,-0.000000>,0.250000
<37.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-30.000000,-0.000000>,0.250000
<36.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-30.000000,-0.000000>,0.250000
<36.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-31.000000,-0.000000>,0.250000
<35.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-31.000000,-0.000000>,0.250000
<35.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-32.000000,-0.000000>,0.250000
<36.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-32.000000,-0.000000>,0.250000
<36.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-31.000000,-0.000000>,0.250000
<37.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-31.000000,-0.000000>,0.250000
<37.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-32.000000,-0.000000>,0.250000
<38.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-32.000000,-0.000000>,0.250000
<38.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-33.000000,-0.000000>,0.250000
<37.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-33.000000,-0.000000>,0.250000
<37.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-34.000000,-0.000000>,0.250000
<38.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-34.000000,-0.000000>,0.250000
<38.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-33.000000,-0.000000>,0.250000
<39.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-33.000000,-0.000000>,0.250000
<39.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-34.000000,-0.000000>,0.250000
<40.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-34.000000,-0.000000>,0.250000
<40.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-33.000000,-0.000000>,0.250000
<41.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-33.000000,-0.000000>,0.250000
<41.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-32.000000,-0.000000>,0.250000
<40.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-32.000000,-0.000000>,0.250000
<40.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-31.000000,-0.000000>,0.250000
<41.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-31.000000,-0.000000>,0.250000
<41.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-32.000000,-0.000000>,0.250000
<42.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-32.000000,-0.000000>,0.250000
<42.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-33.000000,-0.000000>,0.250000
<41.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-33.000000,-0.000000>,0.250000
<41.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-34.000000,-0.000000>,0.250000
<42.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-34.000000,-0.000000>,0.250000
<42.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-35.000000,-0.000000>,0.250000
<41.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-35.000000,-0.000000>,0.250000
<41.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-34.000000,-0.000000>,0.250000
<40.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-34.000000,-0.000000>,0.250000
<40.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-35.000000,-0.000000>,0.250000
<39.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-35.000000,-0.000000>,0.250000
<39.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-36.000000,-0.000000>,0.250000
<40.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-36.000000,-0.000000>,0.250000
<40.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-37.000000,-0.000000>,0.250000
<39.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-37.000000,-0.000000>,0.250000
<39.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-36.000000,-0.000000>,0.250000
<38.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-36.000000,-0.000000>,0.250000
<38.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-35.000000,-0.000000>,0.250000
<39.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-35.000000,-0.000000>,0.250000
<39.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-34.000000,-0.000000>,0.250000
<38.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-34.000000,-0.000000>,0.250000
<38.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-35.000000,-0.000000>,0.250000
<37.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-35.000000,-0.000000>,0.250000
<37.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-34.000000,-0.000000>,0.250000
<36.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-34.000000,-0.000000>,0.250000
<36.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-35.000000,-0.000000>,0.250000
<35.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-35.000000,-0.000000>,0.250000
<35.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-36.000000,-0.000000>,0.250000
<36.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-36.000000,-0.000000>,0.250000
<36.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-35.000000,-0.000000>,0.250000
<37.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-35.000000,-0.000000>,0.250000
<37.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-36.000000,-0.000000>,0.250000
<38.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-36.000000,-0.000000>,0.250000
<38.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-37.000000,-0.000000>,0.250000
<37.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-37.000000,-0.000000>,0.250000
<37.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-38.000000,-0.000000>,0.250000
<38.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-38.000000,-0.000000>,0.250000
<38.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-39.000000,-0.000000>,0.250000
<37.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-39.000000,-0.000000>,0.250000
<37.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-38.000000,-0.000000>,0.250000
<36.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-38.000000,-0.000000>,0.250000
<36.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-39.000000,-0.000000>,0.250000
<35.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-39.000000,-0.000000>,0.250000
<35.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-40.000000,-0.000000>,0.250000
<36.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-40.000000,-0.000000>,0.250000
<36.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-39.000000,-0.000000>,0.250000
<37.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-39.000000,-0.000000>,0.250000
<37.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-40.000000,-0.000000>,0.250000
<38.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-40.000000,-0.000000>,0.250000
<38.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-41.000000,-0.000000>,0.250000
<37.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-41.000000,-0.000000>,0.250000
<37.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-42.000000,-0.000000>,0.250000
<38.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-42.000000,-0.000000>,0.250000
<38.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-41.000000,-0.000000>,0.250000
<39.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-41.000000,-0.000000>,0.250000
<39.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-42.000000,-0.000000>,0.250000
<40.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-42.000000,-0.000000>,0.250000
<40.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-41.000000,-0.000000>,0.250000
<41.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-41.000000,-0.000000>,0.250000
<41.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-40.000000,-0.000000>,0.250000
<40.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-40.000000,-0.000000>,0.250000
<40.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-39.000000,-0.000000>,0.250000
<41.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-39.000000,-0.000000>,0.250000
<41.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-40.000000,-0.000000>,0.250000
<42.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-40.000000,-0.000000>,0.250000
<42.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-41.000000,-0.000000>,0.250000
<41.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-41.000000,-0.000000>,0.250000
<41.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-42.000000,-0.000000>,0.250000
<42.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-42.000000,-0.000000>,0.250000
<42.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,-43.000000,-0.000000>,0.250000
<41.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-43.000000,-0.000000>,0.250000
<41.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,-42.000000,-0.000000>,0.250000
<40.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-42.000000,-0.000000>,0.250000
<40.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-43.000000,-0.000000>,0.250000
<39.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-43.000000,-0.000000>,0.250000
<39.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-44.000000,-0.000000>,0.250000
<40.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-44.000000,-0.000000>,0.250000
<40.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,-45.000000,-0.000000>,0.250000
<39.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-45.000000,-0.000000>,0.250000
<39.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-44.000000,-0.000000>,0.250000
<38.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-44.000000,-0.000000>,0.250000
<38.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-43.000000,-0.000000>,0.250000
<39.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-43.000000,-0.000000>,0.250000
<39.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,-42.000000,-0.000000>,0.250000
<38.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-42.000000,-0.000000>,0.250000
<38.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,-43.000000,-0.000000>,0.250000
<37.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-43.000000,-0.000000>,0.250000
<37.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-42.000000,-0.000000>,0.250000
<36.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-42.000000,-0.000000>,0.250000
<36.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-43.000000,-0.000000>,0.250000
<35.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-43.000000,-0.000000>,0.250000
<35.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-44.000000,-0.000000>,0.250000
<36.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-44.000000,-0.000000>,0.250000
<36.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-45.000000,-0.000000>,0.250000
<35.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-45.000000,-0.000000>,0.250000
<35.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-44.000000,-0.000000>,0.250000
<34.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-44.000000,-0.000000>,0.250000
<34.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-43.000000,-0.000000>,0.250000
<35.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-43.000000,-0.000000>,0.250000
<35.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-42.000000,-0.000000>,0.250000
<34.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-42.000000,-0.000000>,0.250000
<34.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-41.000000,-0.000000>,0.250000
<35.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-41.000000,-0.000000>,0.250000
<35.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-42.000000,-0.000000>,0.250000
<36.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-42.000000,-0.000000>,0.250000
<36.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-41.000000,-0.000000>,0.250000
<37.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-41.000000,-0.000000>,0.250000
<37.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,-40.000000,-0.000000>,0.250000
<36.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-40.000000,-0.000000>,0.250000
<36.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,-41.000000,-0.000000>,0.250000
<35.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-41.000000,-0.000000>,0.250000
<35.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-40.000000,-0.000000>,0.250000
<34.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-40.000000,-0.000000>,0.250000
<34.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-39.000000,-0.000000>,0.250000
<35.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-39.000000,-0.000000>,0.250000
<35.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,-38.000000,-0.000000>,0.250000
<34.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-38.000000,-0.000000>,0.250000
<34.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-39.000000,-0.000000>,0.250000
<33.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-39.000000,-0.000000>,0.250000
<33.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-38.000000,-0.000000>,0.250000
<32.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-38.000000,-0.000000>,0.250000
<32.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-39.000000,-0.000000>,0.250000
<31.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-39.000000,-0.000000>,0.250000
<31.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-40.000000,-0.000000>,0.250000
<32.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-40.000000,-0.000000>,0.250000
<32.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-39.000000,-0.000000>,0.250000
<33.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-39.000000,-0.000000>,0.250000
<33.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-40.000000,-0.000000>,0.250000
<34.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-40.000000,-0.000000>,0.250000
<34.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-41.000000,-0.000000>,0.250000
<33.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-41.000000,-0.000000>,0.250000
<33.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-42.000000,-0.000000>,0.250000
<34.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-42.000000,-0.000000>,0.250000
<34.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-43.000000,-0.000000>,0.250000
<33.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-43.000000,-0.000000>,0.250000
<33.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-42.000000,-0.000000>,0.250000
<32.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-42.000000,-0.000000>,0.250000
<32.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-43.000000,-0.000000>,0.250000
<31.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-43.000000,-0.000000>,0.250000
<31.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-44.000000,-0.000000>,0.250000
<32.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-44.000000,-0.000000>,0.250000
<32.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-45.000000,-0.000000>,0.250000
<31.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-45.000000,-0.000000>,0.250000
<31.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-44.000000,-0.000000>,0.250000
<30.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-44.000000,-0.000000>,0.250000
<30.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-43.000000,-0.000000>,0.250000
<31.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-43.000000,-0.000000>,0.250000
<31.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-42.000000,-0.000000>,0.250000
<30.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-42.000000,-0.000000>,0.250000
<30.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-43.000000,-0.000000>,0.250000
<29.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-43.000000,-0.000000>,0.250000
<29.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-42.000000,-0.000000>,0.250000
<28.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-42.000000,-0.000000>,0.250000
<28.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-43.000000,-0.000000>,0.250000
<27.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-43.000000,-0.000000>,0.250000
<27.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-44.000000,-0.000000>,0.250000
<28.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-44.000000,-0.000000>,0.250000
<28.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-43.000000,-0.000000>,0.250000
<29.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-43.000000,-0.000000>,0.250000
<29.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-44.000000,-0.000000>,0.250000
<30.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-44.000000,-0.000000>,0.250000
<30.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-45.000000,-0.000000>,0.250000
<29.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-45.000000,-0.000000>,0.250000
<29.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-46.000000,-0.000000>,0.250000
<30.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-46.000000,-0.000000>,0.250000
<30.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-47.000000,-0.000000>,0.250000
<29.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-47.000000,-0.000000>,0.250000
<29.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-46.000000,-0.000000>,0.250000
<28.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-46.000000,-0.000000>,0.250000
<28.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-47.000000,-0.000000>,0.250000
<27.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-47.000000,-0.000000>,0.250000
<27.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-48.000000,-0.000000>,0.250000
<28.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-48.000000,-0.000000>,0.250000
<28.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-47.000000,-0.000000>,0.250000
<29.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-47.000000,-0.000000>,0.250000
<29.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-48.000000,-0.000000>,0.250000
<30.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-48.000000,-0.000000>,0.250000
<30.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-49.000000,-0.000000>,0.250000
<29.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-49.000000,-0.000000>,0.250000
<29.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-50.000000,-0.000000>,0.250000
<30.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-50.000000,-0.000000>,0.250000
<30.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-49.000000,-0.000000>,0.250000
<31.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-49.000000,-0.000000>,0.250000
<31.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-50.000000,-0.000000>,0.250000
<32.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-50.000000,-0.000000>,0.250000
<32.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-49.000000,-0.000000>,0.250000
<33.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-49.000000,-0.000000>,0.250000
<33.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-48.000000,-0.000000>,0.250000
<32.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-48.000000,-0.000000>,0.250000
<32.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-47.000000,-0.000000>,0.250000
<33.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-47.000000,-0.000000>,0.250000
<33.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-48.000000,-0.000000>,0.250000
<34.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-48.000000,-0.000000>,0.250000
<34.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-49.000000,-0.000000>,0.250000
<33.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-49.000000,-0.000000>,0.250000
<33.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-50.000000,-0.000000>,0.250000
<34.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-50.000000,-0.000000>,0.250000
<34.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,-51.000000,-0.000000>,0.250000
<33.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-51.000000,-0.000000>,0.250000
<33.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,-50.000000,-0.000000>,0.250000
<32.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-50.000000,-0.000000>,0.250000
<32.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-51.000000,-0.000000>,0.250000
<31.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-51.000000,-0.000000>,0.250000
<31.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-52.000000,-0.000000>,0.250000
<32.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-52.000000,-0.000000>,0.250000
<32.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,-53.000000,-0.000000>,0.250000
<31.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-53.000000,-0.000000>,0.250000
<31.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-52.000000,-0.000000>,0.250000
<30.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-52.000000,-0.000000>,0.250000
<30.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-51.000000,-0.000000>,0.250000
<31.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-51.000000,-0.000000>,0.250000
<31.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-50.000000,-0.000000>,0.250000
<30.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-50.000000,-0.000000>,0.250000
<30.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-51.000000,-0.000000>,0.250000
<29.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-51.000000,-0.000000>,0.250000
<29.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-50.000000,-0.000000>,0.250000
<28.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-50.000000,-0.000000>,0.250000
<28.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-51.000000,-0.000000>,0.250000
<27.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-51.000000,-0.000000>,0.250000
<27.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-52.000000,-0.000000>,0.250000
<28.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-52.000000,-0.000000>,0.250000
<28.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-53.000000,-0.000000>,0.250000
<27.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-53.000000,-0.000000>,0.250000
<27.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-52.000000,-0.000000>,0.250000
<26.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-52.000000,-0.000000>,0.250000
<26.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-51.000000,-0.000000>,0.250000
<27.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-51.000000,-0.000000>,0.250000
<27.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-50.000000,-0.000000>,0.250000
<26.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-50.000000,-0.000000>,0.250000
<26.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-49.000000,-0.000000>,0.250000
<27.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-49.000000,-0.000000>,0.250000
<27.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-50.000000,-0.000000>,0.250000
<28.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-50.000000,-0.000000>,0.250000
<28.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-49.000000,-0.000000>,0.250000
<29.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-49.000000,-0.000000>,0.250000
<29.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-48.000000,-0.000000>,0.250000
<28.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-48.000000,-0.000000>,0.250000
<28.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-49.000000,-0.000000>,0.250000
<27.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-49.000000,-0.000000>,0.250000
<27.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-48.000000,-0.000000>,0.250000
<26.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-48.000000,-0.000000>,0.250000
<26.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-47.000000,-0.000000>,0.250000
<27.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-47.000000,-0.000000>,0.250000
<27.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-46.000000,-0.000000>,0.250000
<26.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-46.000000,-0.000000>,0.250000
<26.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-47.000000,-0.000000>,0.250000
<25.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-47.000000,-0.000000>,0.250000
<25.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-46.000000,-0.000000>,0.250000
<24.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-46.000000,-0.000000>,0.250000
<24.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-47.000000,-0.000000>,0.250000
<23.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-47.000000,-0.000000>,0.250000
<23.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-48.000000,-0.000000>,0.250000
<24.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-48.000000,-0.000000>,0.250000
<24.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-49.000000,-0.000000>,0.250000
<23.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-49.000000,-0.000000>,0.250000
<23.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-48.000000,-0.000000>,0.250000
<22.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-48.000000,-0.000000>,0.250000
<22.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-47.000000,-0.000000>,0.250000
<23.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-47.000000,-0.000000>,0.250000
<23.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-46.000000,-0.000000>,0.250000
<22.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-46.000000,-0.000000>,0.250000
<22.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-45.000000,-0.000000>,0.250000
<23.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-45.000000,-0.000000>,0.250000
<23.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-46.000000,-0.000000>,0.250000
<24.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-46.000000,-0.000000>,0.250000
<24.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-45.000000,-0.000000>,0.250000
<25.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-45.000000,-0.000000>,0.250000
<25.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-44.000000,-0.000000>,0.250000
<24.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-44.000000,-0.000000>,0.250000
<24.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-43.000000,-0.000000>,0.250000
<25.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-43.000000,-0.000000>,0.250000
<25.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-44.000000,-0.000000>,0.250000
<26.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-44.000000,-0.000000>,0.250000
<26.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-45.000000,-0.000000>,0.250000
<25.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-45.000000,-0.000000>,0.250000
<25.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-46.000000,-0.000000>,0.250000
<26.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-46.000000,-0.000000>,0.250000
<26.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-45.000000,-0.000000>,0.250000
<27.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-45.000000,-0.000000>,0.250000
<27.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-46.000000,-0.000000>,0.250000
<28.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-46.000000,-0.000000>,0.250000
<28.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-45.000000,-0.000000>,0.250000
<29.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-45.000000,-0.000000>,0.250000
<29.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-44.000000,-0.000000>,0.250000
<28.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-44.000000,-0.000000>,0.250000
<28.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-45.000000,-0.000000>,0.250000
<27.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-45.000000,-0.000000>,0.250000
<27.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-44.000000,-0.000000>,0.250000
<26.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-44.000000,-0.000000>,0.250000
<26.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-43.000000,-0.000000>,0.250000
<27.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-43.000000,-0.000000>,0.250000
<27.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-42.000000,-0.000000>,0.250000
<26.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-42.000000,-0.000000>,0.250000
<26.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-41.000000,-0.000000>,0.250000
<27.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-41.000000,-0.000000>,0.250000
<27.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-42.000000,-0.000000>,0.250000
<28.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-42.000000,-0.000000>,0.250000
<28.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-41.000000,-0.000000>,0.250000
<29.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-41.000000,-0.000000>,0.250000
<29.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-40.000000,-0.000000>,0.250000
<28.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-40.000000,-0.000000>,0.250000
<28.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-41.000000,-0.000000>,0.250000
<27.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-41.000000,-0.000000>,0.250000
<27.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-40.000000,-0.000000>,0.250000
<26.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-40.000000,-0.000000>,0.250000
<26.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-39.000000,-0.000000>,0.250000
<27.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-39.000000,-0.000000>,0.250000
<27.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-38.000000,-0.000000>,0.250000
<26.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-38.000000,-0.000000>,0.250000
<26.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-39.000000,-0.000000>,0.250000
<25.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-39.000000,-0.000000>,0.250000
<25.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-38.000000,-0.000000>,0.250000
<24.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-38.000000,-0.000000>,0.250000
<24.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-39.000000,-0.000000>,0.250000
<23.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-39.000000,-0.000000>,0.250000
<23.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-40.000000,-0.000000>,0.250000
<24.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-40.000000,-0.000000>,0.250000
<24.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-39.000000,-0.000000>,0.250000
<25.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-39.000000,-0.000000>,0.250000
<25.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-40.000000,-0.000000>,0.250000
<26.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-40.000000,-0.000000>,0.250000
<26.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-41.000000,-0.000000>,0.250000
<25.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-41.000000,-0.000000>,0.250000
<25.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-42.000000,-0.000000>,0.250000
<26.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-42.000000,-0.000000>,0.250000
<26.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-43.000000,-0.000000>,0.250000
<25.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-43.000000,-0.000000>,0.250000
<25.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-42.000000,-0.000000>,0.250000
<24.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-42.000000,-0.000000>,0.250000
<24.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-43.000000,-0.000000>,0.250000
<23.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-43.000000,-0.000000>,0.250000
<23.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-44.000000,-0.000000>,0.250000
<24.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-44.000000,-0.000000>,0.250000
<24.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-45.000000,-0.000000>,0.250000
<23.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-45.000000,-0.000000>,0.250000
<23.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-44.000000,-0.000000>,0.250000
<22.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-44.000000,-0.000000>,0.250000
<22.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-43.000000,-0.000000>,0.250000
<23.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-43.000000,-0.000000>,0.250000
<23.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-42.000000,-0.000000>,0.250000
<22.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-42.000000,-0.000000>,0.250000
<22.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-43.000000,-0.000000>,0.250000
<21.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-43.000000,-0.000000>,0.250000
<21.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-42.000000,-0.000000>,0.250000
<20.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-42.000000,-0.000000>,0.250000
<20.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-43.000000,-0.000000>,0.250000
<19.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-43.000000,-0.000000>,0.250000
<19.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-44.000000,-0.000000>,0.250000
<20.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-44.000000,-0.000000>,0.250000
<20.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-45.000000,-0.000000>,0.250000
<19.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-45.000000,-0.000000>,0.250000
<19.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-44.000000,-0.000000>,0.250000
<18.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-44.000000,-0.000000>,0.250000
<18.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-43.000000,-0.000000>,0.250000
<19.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-43.000000,-0.000000>,0.250000
<19.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-42.000000,-0.000000>,0.250000
<18.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-42.000000,-0.000000>,0.250000
<18.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-41.000000,-0.000000>,0.250000
<19.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-41.000000,-0.000000>,0.250000
<19.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-42.000000,-0.000000>,0.250000
<20.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-42.000000,-0.000000>,0.250000
<20.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-41.000000,-0.000000>,0.250000
<21.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-41.000000,-0.000000>,0.250000
<21.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-40.000000,-0.000000>,0.250000
<20.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-40.000000,-0.000000>,0.250000
<20.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-41.000000,-0.000000>,0.250000
<19.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-41.000000,-0.000000>,0.250000
<19.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-40.000000,-0.000000>,0.250000
<18.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-40.000000,-0.000000>,0.250000
<18.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-39.000000,-0.000000>,0.250000
<19.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-39.000000,-0.000000>,0.250000
<19.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-38.000000,-0.000000>,0.250000
<18.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-38.000000,-0.000000>,0.250000
<18.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-39.000000,-0.000000>,0.250000
<17.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-39.000000,-0.000000>,0.250000
<17.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-38.000000,-0.000000>,0.250000
<16.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-38.000000,-0.000000>,0.250000
<16.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-39.000000,-0.000000>,0.250000
<15.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-39.000000,-0.000000>,0.250000
<15.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-40.000000,-0.000000>,0.250000
<16.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-40.000000,-0.000000>,0.250000
<16.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-39.000000,-0.000000>,0.250000
<17.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-39.000000,-0.000000>,0.250000
<17.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-40.000000,-0.000000>,0.250000
<18.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-40.000000,-0.000000>,0.250000
<18.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-41.000000,-0.000000>,0.250000
<17.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-41.000000,-0.000000>,0.250000
<17.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-42.000000,-0.000000>,0.250000
<18.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-42.000000,-0.000000>,0.250000
<18.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-43.000000,-0.000000>,0.250000
<17.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-43.000000,-0.000000>,0.250000
<17.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-42.000000,-0.000000>,0.250000
<16.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-42.000000,-0.000000>,0.250000
<16.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-43.000000,-0.000000>,0.250000
<15.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-43.000000,-0.000000>,0.250000
<15.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-44.000000,-0.000000>,0.250000
<16.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-44.000000,-0.000000>,0.250000
<16.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-45.000000,-0.000000>,0.250000
<15.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-45.000000,-0.000000>,0.250000
<15.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-44.000000,-0.000000>,0.250000
<14.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-44.000000,-0.000000>,0.250000
<14.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-43.000000,-0.000000>,0.250000
<15.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-43.000000,-0.000000>,0.250000
<15.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-42.000000,-0.000000>,0.250000
<14.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-42.000000,-0.000000>,0.250000
<14.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-43.000000,-0.000000>,0.250000
<13.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-43.000000,-0.000000>,0.250000
<13.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-42.000000,-0.000000>,0.250000
<12.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-42.000000,-0.000000>,0.250000
<12.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-43.000000,-0.000000>,0.250000
<11.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-43.000000,-0.000000>,0.250000
<11.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-44.000000,-0.000000>,0.250000
<12.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-44.000000,-0.000000>,0.250000
<12.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-43.000000,-0.000000>,0.250000
<13.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-43.000000,-0.000000>,0.250000
<13.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-44.000000,-0.000000>,0.250000
<14.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-44.000000,-0.000000>,0.250000
<14.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-45.000000,-0.000000>,0.250000
<13.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-45.000000,-0.000000>,0.250000
<13.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-46.000000,-0.000000>,0.250000
<14.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-46.000000,-0.000000>,0.250000
<14.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-47.000000,-0.000000>,0.250000
<13.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-47.000000,-0.000000>,0.250000
<13.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-46.000000,-0.000000>,0.250000
<12.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-46.000000,-0.000000>,0.250000
<12.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-47.000000,-0.000000>,0.250000
<11.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-47.000000,-0.000000>,0.250000
<11.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-48.000000,-0.000000>,0.250000
<12.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-48.000000,-0.000000>,0.250000
<12.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-47.000000,-0.000000>,0.250000
<13.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-47.000000,-0.000000>,0.250000
<13.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-48.000000,-0.000000>,0.250000
<14.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-48.000000,-0.000000>,0.250000
<14.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-49.000000,-0.000000>,0.250000
<13.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-49.000000,-0.000000>,0.250000
<13.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-50.000000,-0.000000>,0.250000
<14.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-50.000000,-0.000000>,0.250000
<14.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-49.000000,-0.000000>,0.250000
<15.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-49.000000,-0.000000>,0.250000
<15.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-50.000000,-0.000000>,0.250000
<16.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-50.000000,-0.000000>,0.250000
<16.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-49.000000,-0.000000>,0.250000
<17.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-49.000000,-0.000000>,0.250000
<17.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-48.000000,-0.000000>,0.250000
<16.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-48.000000,-0.000000>,0.250000
<16.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-47.000000,-0.000000>,0.250000
<17.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-47.000000,-0.000000>,0.250000
<17.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-48.000000,-0.000000>,0.250000
<18.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-48.000000,-0.000000>,0.250000
<18.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-49.000000,-0.000000>,0.250000
<17.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-49.000000,-0.000000>,0.250000
<17.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-50.000000,-0.000000>,0.250000
<18.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-50.000000,-0.000000>,0.250000
<18.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-51.000000,-0.000000>,0.250000
<17.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-51.000000,-0.000000>,0.250000
<17.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-50.000000,-0.000000>,0.250000
<16.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-50.000000,-0.000000>,0.250000
<16.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-51.000000,-0.000000>,0.250000
<15.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-51.000000,-0.000000>,0.250000
<15.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-52.000000,-0.000000>,0.250000
<16.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-52.000000,-0.000000>,0.250000
<16.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-53.000000,-0.000000>,0.250000
<15.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-53.000000,-0.000000>,0.250000
<15.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-52.000000,-0.000000>,0.250000
<14.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-52.000000,-0.000000>,0.250000
<14.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-51.000000,-0.000000>,0.250000
<15.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-51.000000,-0.000000>,0.250000
<15.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-50.000000,-0.000000>,0.250000
<14.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-50.000000,-0.000000>,0.250000
<14.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-51.000000,-0.000000>,0.250000
<13.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-51.000000,-0.000000>,0.250000
<13.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-50.000000,-0.000000>,0.250000
<12.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-50.000000,-0.000000>,0.250000
<12.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-51.000000,-0.000000>,0.250000
<11.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-51.000000,-0.000000>,0.250000
<11.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-52.000000,-0.000000>,0.250000
<12.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-52.000000,-0.000000>,0.250000
<12.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-53.000000,-0.000000>,0.250000
<11.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-53.000000,-0.000000>,0.250000
<11.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-52.000000,-0.000000>,0.250000
<10.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-52.000000,-0.000000>,0.250000
<10.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-51.000000,-0.000000>,0.250000
<11.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-51.000000,-0.000000>,0.250000
<11.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-50.000000,-0.000000>,0.250000
<10.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-50.000000,-0.000000>,0.250000
<10.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-49.000000,-0.000000>,0.250000
<11.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-49.000000,-0.000000>,0.250000
<11.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-50.000000,-0.000000>,0.250000
<12.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-50.000000,-0.000000>,0.250000
<12.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-49.000000,-0.000000>,0.250000
<13.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-49.000000,-0.000000>,0.250000
<13.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-48.000000,-0.000000>,0.250000
<12.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-48.000000,-0.000000>,0.250000
<12.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-49.000000,-0.000000>,0.250000
<11.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-49.000000,-0.000000>,0.250000
<11.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-48.000000,-0.000000>,0.250000
<10.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-48.000000,-0.000000>,0.250000
<10.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-47.000000,-0.000000>,0.250000
<11.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-47.000000,-0.000000>,0.250000
<11.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-46.000000,-0.000000>,0.250000
<10.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-46.000000,-0.000000>,0.250000
<10.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-47.000000,-0.000000>,0.250000
<9.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-47.000000,-0.000000>,0.250000
<9.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-46.000000,-0.000000>,0.250000
<8.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-46.000000,-0.000000>,0.250000
<8.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-47.000000,-0.000000>,0.250000
<7.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-47.000000,-0.000000>,0.250000
<7.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-48.000000,-0.000000>,0.250000
<8.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-48.000000,-0.000000>,0.250000
<8.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-49.000000,-0.000000>,0.250000
<7.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-49.000000,-0.000000>,0.250000
<7.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-48.000000,-0.000000>,0.250000
<6.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-48.000000,-0.000000>,0.250000
<6.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-47.000000,-0.000000>,0.250000
<7.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-47.000000,-0.000000>,0.250000
<7.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-46.000000,-0.000000>,0.250000
<6.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-46.000000,-0.000000>,0.250000
<6.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-45.000000,-0.000000>,0.250000
<7.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-45.000000,-0.000000>,0.250000
<7.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-46.000000,-0.000000>,0.250000
<8.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-46.000000,-0.000000>,0.250000
<8.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-45.000000,-0.000000>,0.250000
<9.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-45.000000,-0.000000>,0.250000
<9.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-44.000000,-0.000000>,0.250000
<8.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-44.000000,-0.000000>,0.250000
<8.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-43.000000,-0.000000>,0.250000
<9.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-43.000000,-0.000000>,0.250000
<9.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-44.000000,-0.000000>,0.250000
<10.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-44.000000,-0.000000>,0.250000
<10.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-45.000000,-0.000000>,0.250000
<9.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-45.000000,-0.000000>,0.250000
<9.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-46.000000,-0.000000>,0.250000
<10.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-46.000000,-0.000000>,0.250000
<10.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-45.000000,-0.000000>,0.250000
<11.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-45.000000,-0.000000>,0.250000
<11.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-46.000000,-0.000000>,0.250000
<12.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-46.000000,-0.000000>,0.250000
<12.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-45.000000,-0.000000>,0.250000
<13.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-45.000000,-0.000000>,0.250000
<13.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-44.000000,-0.000000>,0.250000
<12.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-44.000000,-0.000000>,0.250000
<12.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-45.000000,-0.000000>,0.250000
<11.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-45.000000,-0.000000>,0.250000
<11.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-44.000000,-0.000000>,0.250000
<10.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-44.000000,-0.000000>,0.250000
<10.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-43.000000,-0.000000>,0.250000
<11.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-43.000000,-0.000000>,0.250000
<11.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-42.000000,-0.000000>,0.250000
<10.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-42.000000,-0.000000>,0.250000
<10.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-41.000000,-0.000000>,0.250000
<11.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-41.000000,-0.000000>,0.250000
<11.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-42.000000,-0.000000>,0.250000
<12.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-42.000000,-0.000000>,0.250000
<12.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-41.000000,-0.000000>,0.250000
<13.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-41.000000,-0.000000>,0.250000
<13.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-40.000000,-0.000000>,0.250000
<12.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-40.000000,-0.000000>,0.250000
<12.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-41.000000,-0.000000>,0.250000
<11.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-41.000000,-0.000000>,0.250000
<11.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-40.000000,-0.000000>,0.250000
<10.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-40.000000,-0.000000>,0.250000
<10.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-39.000000,-0.000000>,0.250000
<11.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-39.000000,-0.000000>,0.250000
<11.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-38.000000,-0.000000>,0.250000
<10.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-38.000000,-0.000000>,0.250000
<10.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-39.000000,-0.000000>,0.250000
<9.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-39.000000,-0.000000>,0.250000
<9.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-38.000000,-0.000000>,0.250000
<8.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-38.000000,-0.000000>,0.250000
<8.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-39.000000,-0.000000>,0.250000
<7.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-39.000000,-0.000000>,0.250000
<7.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-40.000000,-0.000000>,0.250000
<8.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-40.000000,-0.000000>,0.250000
<8.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-41.000000,-0.000000>,0.250000
<7.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-41.000000,-0.000000>,0.250000
<7.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-40.000000,-0.000000>,0.250000
<6.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-40.000000,-0.000000>,0.250000
<6.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-39.000000,-0.000000>,0.250000
<7.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-39.000000,-0.000000>,0.250000
<7.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-38.000000,-0.000000>,0.250000
<6.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-38.000000,-0.000000>,0.250000
<6.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-37.000000,-0.000000>,0.250000
<7.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-37.000000,-0.000000>,0.250000
<7.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-38.000000,-0.000000>,0.250000
<8.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-38.000000,-0.000000>,0.250000
<8.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-37.000000,-0.000000>,0.250000
<9.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-37.000000,-0.000000>,0.250000
<9.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-36.000000,-0.000000>,0.250000
<8.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-36.000000,-0.000000>,0.250000
<8.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-35.000000,-0.000000>,0.250000
<9.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-35.000000,-0.000000>,0.250000
<9.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-36.000000,-0.000000>,0.250000
<10.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-36.000000,-0.000000>,0.250000
<10.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-37.000000,-0.000000>,0.250000
<9.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-37.000000,-0.000000>,0.250000
<9.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-38.000000,-0.000000>,0.250000
<10.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-38.000000,-0.000000>,0.250000
<10.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-37.000000,-0.000000>,0.250000
<11.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-37.000000,-0.000000>,0.250000
<11.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-38.000000,-0.000000>,0.250000
<12.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-38.000000,-0.000000>,0.250000
<12.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-37.000000,-0.000000>,0.250000
<13.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-37.000000,-0.000000>,0.250000
<13.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-36.000000,-0.000000>,0.250000
<12.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-36.000000,-0.000000>,0.250000
<12.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-35.000000,-0.000000>,0.250000
<13.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-35.000000,-0.000000>,0.250000
<13.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-36.000000,-0.000000>,0.250000
<14.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-36.000000,-0.000000>,0.250000
<14.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-37.000000,-0.000000>,0.250000
<13.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-37.000000,-0.000000>,0.250000
<13.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-38.000000,-0.000000>,0.250000
<14.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-38.000000,-0.000000>,0.250000
<14.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-39.000000,-0.000000>,0.250000
<13.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-39.000000,-0.000000>,0.250000
<13.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-38.000000,-0.000000>,0.250000
<12.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-38.000000,-0.000000>,0.250000
<12.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-39.000000,-0.000000>,0.250000
<11.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-39.000000,-0.000000>,0.250000
<11.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-40.000000,-0.000000>,0.250000
<12.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-40.000000,-0.000000>,0.250000
<12.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-39.000000,-0.000000>,0.250000
<13.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-39.000000,-0.000000>,0.250000
<13.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-40.000000,-0.000000>,0.250000
<14.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-40.000000,-0.000000>,0.250000
<14.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-41.000000,-0.000000>,0.250000
<13.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-41.000000,-0.000000>,0.250000
<13.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-42.000000,-0.000000>,0.250000
<14.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-42.000000,-0.000000>,0.250000
<14.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-41.000000,-0.000000>,0.250000
<15.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-41.000000,-0.000000>,0.250000
<15.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-42.000000,-0.000000>,0.250000
<16.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-42.000000,-0.000000>,0.250000
<16.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-41.000000,-0.000000>,0.250000
<17.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-41.000000,-0.000000>,0.250000
<17.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-40.000000,-0.000000>,0.250000
<16.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-40.000000,-0.000000>,0.250000
<16.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-41.000000,-0.000000>,0.250000
<15.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-41.000000,-0.000000>,0.250000
<15.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-40.000000,-0.000000>,0.250000
<14.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-40.000000,-0.000000>,0.250000
<14.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-39.000000,-0.000000>,0.250000
<15.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-39.000000,-0.000000>,0.250000
<15.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-38.000000,-0.000000>,0.250000
<14.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-38.000000,-0.000000>,0.250000
<14.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-37.000000,-0.000000>,0.250000
<15.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-37.000000,-0.000000>,0.250000
<15.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-38.000000,-0.000000>,0.250000
<16.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-38.000000,-0.000000>,0.250000
<16.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-37.000000,-0.000000>,0.250000
<17.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-37.000000,-0.000000>,0.250000
<17.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-36.000000,-0.000000>,0.250000
<16.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-36.000000,-0.000000>,0.250000
<16.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-35.000000,-0.000000>,0.250000
<17.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-35.000000,-0.000000>,0.250000
<17.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-36.000000,-0.000000>,0.250000
<18.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-36.000000,-0.000000>,0.250000
<18.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-37.000000,-0.000000>,0.250000
<17.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-37.000000,-0.000000>,0.250000
<17.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-38.000000,-0.000000>,0.250000
<18.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-38.000000,-0.000000>,0.250000
<18.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-37.000000,-0.000000>,0.250000
<19.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-37.000000,-0.000000>,0.250000
<19.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-38.000000,-0.000000>,0.250000
<20.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-38.000000,-0.000000>,0.250000
<20.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-37.000000,-0.000000>,0.250000
<21.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-37.000000,-0.000000>,0.250000
<21.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-36.000000,-0.000000>,0.250000
<20.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-36.000000,-0.000000>,0.250000
<20.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-37.000000,-0.000000>,0.250000
<19.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-37.000000,-0.000000>,0.250000
<19.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-36.000000,-0.000000>,0.250000
<18.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-36.000000,-0.000000>,0.250000
<18.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-35.000000,-0.000000>,0.250000
<19.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-35.000000,-0.000000>,0.250000
<19.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-34.000000,-0.000000>,0.250000
<18.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-34.000000,-0.000000>,0.250000
<18.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-33.000000,-0.000000>,0.250000
<19.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-33.000000,-0.000000>,0.250000
<19.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-34.000000,-0.000000>,0.250000
<20.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-34.000000,-0.000000>,0.250000
<20.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-33.000000,-0.000000>,0.250000
<21.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-33.000000,-0.000000>,0.250000
<21.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-32.000000,-0.000000>,0.250000
<20.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-32.000000,-0.000000>,0.250000
<20.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-33.000000,-0.000000>,0.250000
<19.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-33.000000,-0.000000>,0.250000
<19.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-32.000000,-0.000000>,0.250000
<18.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-32.000000,-0.000000>,0.250000
<18.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-31.000000,-0.000000>,0.250000
<19.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-31.000000,-0.000000>,0.250000
<19.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-30.000000,-0.000000>,0.250000
<18.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-30.000000,-0.000000>,0.250000
<18.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-31.000000,-0.000000>,0.250000
<17.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-31.000000,-0.000000>,0.250000
<17.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-30.000000,-0.000000>,0.250000
<16.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-30.000000,-0.000000>,0.250000
<16.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-31.000000,-0.000000>,0.250000
<15.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-31.000000,-0.000000>,0.250000
<15.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-32.000000,-0.000000>,0.250000
<16.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-32.000000,-0.000000>,0.250000
<16.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-31.000000,-0.000000>,0.250000
<17.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-31.000000,-0.000000>,0.250000
<17.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-32.000000,-0.000000>,0.250000
<18.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-32.000000,-0.000000>,0.250000
<18.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-33.000000,-0.000000>,0.250000
<17.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-33.000000,-0.000000>,0.250000
<17.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-34.000000,-0.000000>,0.250000
<18.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-34.000000,-0.000000>,0.250000
<18.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-35.000000,-0.000000>,0.250000
<17.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-35.000000,-0.000000>,0.250000
<17.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-34.000000,-0.000000>,0.250000
<16.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-34.000000,-0.000000>,0.250000
<16.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-35.000000,-0.000000>,0.250000
<15.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-35.000000,-0.000000>,0.250000
<15.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-36.000000,-0.000000>,0.250000
<16.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-36.000000,-0.000000>,0.250000
<16.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-37.000000,-0.000000>,0.250000
<15.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-37.000000,-0.000000>,0.250000
<15.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-36.000000,-0.000000>,0.250000
<14.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-36.000000,-0.000000>,0.250000
<14.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-35.000000,-0.000000>,0.250000
<15.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-35.000000,-0.000000>,0.250000
<15.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-34.000000,-0.000000>,0.250000
<14.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-34.000000,-0.000000>,0.250000
<14.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-35.000000,-0.000000>,0.250000
<13.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-35.000000,-0.000000>,0.250000
<13.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-34.000000,-0.000000>,0.250000
<12.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-34.000000,-0.000000>,0.250000
<12.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-35.000000,-0.000000>,0.250000
<11.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-35.000000,-0.000000>,0.250000
<11.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-36.000000,-0.000000>,0.250000
<12.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-36.000000,-0.000000>,0.250000
<12.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-37.000000,-0.000000>,0.250000
<11.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-37.000000,-0.000000>,0.250000
<11.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-36.000000,-0.000000>,0.250000
<10.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-36.000000,-0.000000>,0.250000
<10.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-35.000000,-0.000000>,0.250000
<11.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-35.000000,-0.000000>,0.250000
<11.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-34.000000,-0.000000>,0.250000
<10.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-34.000000,-0.000000>,0.250000
<10.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-33.000000,-0.000000>,0.250000
<11.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-33.000000,-0.000000>,0.250000
<11.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-34.000000,-0.000000>,0.250000
<12.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-34.000000,-0.000000>,0.250000
<12.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-33.000000,-0.000000>,0.250000
<13.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-33.000000,-0.000000>,0.250000
<13.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-32.000000,-0.000000>,0.250000
<12.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-32.000000,-0.000000>,0.250000
<12.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-33.000000,-0.000000>,0.250000
<11.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-33.000000,-0.000000>,0.250000
<11.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-32.000000,-0.000000>,0.250000
<10.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-32.000000,-0.000000>,0.250000
<10.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-31.000000,-0.000000>,0.250000
<11.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-31.000000,-0.000000>,0.250000
<11.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-30.000000,-0.000000>,0.250000
<10.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-30.000000,-0.000000>,0.250000
<10.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-31.000000,-0.000000>,0.250000
<9.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-31.000000,-0.000000>,0.250000
<9.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-30.000000,-0.000000>,0.250000
<8.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-30.000000,-0.000000>,0.250000
<8.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-31.000000,-0.000000>,0.250000
<7.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-31.000000,-0.000000>,0.250000
<7.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-32.000000,-0.000000>,0.250000
<8.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-32.000000,-0.000000>,0.250000
<8.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-33.000000,-0.000000>,0.250000
<7.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-33.000000,-0.000000>,0.250000
<7.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-32.000000,-0.000000>,0.250000
<6.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-32.000000,-0.000000>,0.250000
<6.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-31.000000,-0.000000>,0.250000
<7.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-31.000000,-0.000000>,0.250000
<7.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-30.000000,-0.000000>,0.250000
<6.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-30.000000,-0.000000>,0.250000
<6.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-29.000000,-0.000000>,0.250000
<7.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-29.000000,-0.000000>,0.250000
<7.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-30.000000,-0.000000>,0.250000
<8.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-30.000000,-0.000000>,0.250000
<8.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-29.000000,-0.000000>,0.250000
<9.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-29.000000,-0.000000>,0.250000
<9.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-28.000000,-0.000000>,0.250000
<8.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-28.000000,-0.000000>,0.250000
<8.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-27.000000,-0.000000>,0.250000
<9.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-27.000000,-0.000000>,0.250000
<9.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-28.000000,-0.000000>,0.250000
<10.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-28.000000,-0.000000>,0.250000
<10.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-29.000000,-0.000000>,0.250000
<9.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-29.000000,-0.000000>,0.250000
<9.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-30.000000,-0.000000>,0.250000
<10.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-30.000000,-0.000000>,0.250000
<10.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-29.000000,-0.000000>,0.250000
<11.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-29.000000,-0.000000>,0.250000
<11.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-30.000000,-0.000000>,0.250000
<12.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-30.000000,-0.000000>,0.250000
<12.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-29.000000,-0.000000>,0.250000
<13.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-29.000000,-0.000000>,0.250000
<13.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-28.000000,-0.000000>,0.250000
<12.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-28.000000,-0.000000>,0.250000
<12.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-29.000000,-0.000000>,0.250000
<11.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-29.000000,-0.000000>,0.250000
<11.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-28.000000,-0.000000>,0.250000
<10.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-28.000000,-0.000000>,0.250000
<10.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-27.000000,-0.000000>,0.250000
<11.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-27.000000,-0.000000>,0.250000
<11.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-26.000000,-0.000000>,0.250000
<10.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-26.000000,-0.000000>,0.250000
<10.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-25.000000,-0.000000>,0.250000
<11.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-25.000000,-0.000000>,0.250000
<11.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-26.000000,-0.000000>,0.250000
<12.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-26.000000,-0.000000>,0.250000
<12.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-25.000000,-0.000000>,0.250000
<13.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-25.000000,-0.000000>,0.250000
<13.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-24.000000,-0.000000>,0.250000
<12.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-24.000000,-0.000000>,0.250000
<12.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-25.000000,-0.000000>,0.250000
<11.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-25.000000,-0.000000>,0.250000
<11.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-24.000000,-0.000000>,0.250000
<10.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-24.000000,-0.000000>,0.250000
<10.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-23.000000,-0.000000>,0.250000
<11.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-23.000000,-0.000000>,0.250000
<11.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-22.000000,-0.000000>,0.250000
<10.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-22.000000,-0.000000>,0.250000
<10.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-23.000000,-0.000000>,0.250000
<9.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-23.000000,-0.000000>,0.250000
<9.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-22.000000,-0.000000>,0.250000
<8.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-22.000000,-0.000000>,0.250000
<8.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-23.000000,-0.000000>,0.250000
<7.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-23.000000,-0.000000>,0.250000
<7.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-24.000000,-0.000000>,0.250000
<8.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-24.000000,-0.000000>,0.250000
<8.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-23.000000,-0.000000>,0.250000
<9.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-23.000000,-0.000000>,0.250000
<9.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-24.000000,-0.000000>,0.250000
<10.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-24.000000,-0.000000>,0.250000
<10.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-25.000000,-0.000000>,0.250000
<9.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-25.000000,-0.000000>,0.250000
<9.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-26.000000,-0.000000>,0.250000
<10.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-26.000000,-0.000000>,0.250000
<10.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-27.000000,-0.000000>,0.250000
<9.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-27.000000,-0.000000>,0.250000
<9.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-26.000000,-0.000000>,0.250000
<8.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-26.000000,-0.000000>,0.250000
<8.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-27.000000,-0.000000>,0.250000
<7.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-27.000000,-0.000000>,0.250000
<7.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-28.000000,-0.000000>,0.250000
<8.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-28.000000,-0.000000>,0.250000
<8.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-29.000000,-0.000000>,0.250000
<7.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-29.000000,-0.000000>,0.250000
<7.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-28.000000,-0.000000>,0.250000
<6.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-28.000000,-0.000000>,0.250000
<6.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-27.000000,-0.000000>,0.250000
<7.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-27.000000,-0.000000>,0.250000
<7.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-26.000000,-0.000000>,0.250000
<6.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-26.000000,-0.000000>,0.250000
<6.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-27.000000,-0.000000>,0.250000
<5.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-27.000000,-0.000000>,0.250000
<5.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-26.000000,-0.000000>,0.250000
<4.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-26.000000,-0.000000>,0.250000
<4.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-27.000000,-0.000000>,0.250000
<3.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-27.000000,-0.000000>,0.250000
<3.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-28.000000,-0.000000>,0.250000
<4.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-28.000000,-0.000000>,0.250000
<4.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-29.000000,-0.000000>,0.250000
<3.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-29.000000,-0.000000>,0.250000
<3.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-28.000000,-0.000000>,0.250000
<2.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-28.000000,-0.000000>,0.250000
<2.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-27.000000,-0.000000>,0.250000
<3.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-27.000000,-0.000000>,0.250000
<3.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-26.000000,-0.000000>,0.250000
<2.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-26.000000,-0.000000>,0.250000
<2.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-25.000000,-0.000000>,0.250000
<3.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-25.000000,-0.000000>,0.250000
<3.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-26.000000,-0.000000>,0.250000
<4.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-26.000000,-0.000000>,0.250000
<4.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-25.000000,-0.000000>,0.250000
<5.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-25.000000,-0.000000>,0.250000
<5.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-24.000000,-0.000000>,0.250000
<4.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-24.000000,-0.000000>,0.250000
<4.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-25.000000,-0.000000>,0.250000
<3.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-25.000000,-0.000000>,0.250000
<3.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-24.000000,-0.000000>,0.250000
<2.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-24.000000,-0.000000>,0.250000
<2.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-23.000000,-0.000000>,0.250000
<3.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-23.000000,-0.000000>,0.250000
<3.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-22.000000,-0.000000>,0.250000
<2.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-22.000000,-0.000000>,0.250000
<2.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-23.000000,-0.000000>,0.250000
<1.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-23.000000,-0.000000>,0.250000
<1.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-22.000000,-0.000000>,0.250000
<-0.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-22.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-22.000000,-0.000000>,0.250000
<-0.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-23.000000,-0.000000>,0.250000
<-1.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-23.000000,-0.000000>,0.250000
<-1.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-24.000000,-0.000000>,0.250000
<-0.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-24.000000,-0.000000>,0.250000
<-0.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-23.000000,-0.000000>,0.250000
<1.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-23.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-23.000000,-0.000000>,0.250000
<1.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-24.000000,-0.000000>,0.250000
<2.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-24.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-24.000000,-0.000000>,0.250000
<2.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-25.000000,-0.000000>,0.250000
<1.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-25.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-25.000000,-0.000000>,0.250000
<1.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-26.000000,-0.000000>,0.250000
<2.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-26.000000,-0.000000>,0.250000
<2.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-27.000000,-0.000000>,0.250000
<1.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-27.000000,-0.000000>,0.250000
<1.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-26.000000,-0.000000>,0.250000
<-0.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-26.000000,-0.000000>,0.250000
<-0.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-27.000000,-0.000000>,0.250000
<-1.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-27.000000,-0.000000>,0.250000
<-1.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-28.000000,-0.000000>,0.250000
<-0.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-28.000000,-0.000000>,0.250000
<-0.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-29.000000,-0.000000>,0.250000
<-1.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-29.000000,-0.000000>,0.250000
<-1.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-28.000000,-0.000000>,0.250000
<-2.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-28.000000,-0.000000>,0.250000
<-2.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-27.000000,-0.000000>,0.250000
<-1.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-27.000000,-0.000000>,0.250000
<-1.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-26.000000,-0.000000>,0.250000
<-2.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-26.000000,-0.000000>,0.250000
<-2.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-27.000000,-0.000000>,0.250000
<-3.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-27.000000,-0.000000>,0.250000
<-3.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-26.000000,-0.000000>,0.250000
<-4.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-26.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-26.000000,-0.000000>,0.250000
<-4.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-27.000000,-0.000000>,0.250000
<-5.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-27.000000,-0.000000>,0.250000
<-5.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-28.000000,-0.000000>,0.250000
<-4.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-28.000000,-0.000000>,0.250000
<-4.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-27.000000,-0.000000>,0.250000
<-3.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-27.000000,-0.000000>,0.250000
<-3.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-28.000000,-0.000000>,0.250000
<-2.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-28.000000,-0.000000>,0.250000
<-2.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-29.000000,-0.000000>,0.250000
<-3.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-29.000000,-0.000000>,0.250000
<-3.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-30.000000,-0.000000>,0.250000
<-2.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-30.000000,-0.000000>,0.250000
<-2.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-31.000000,-0.000000>,0.250000
<-3.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-31.000000,-0.000000>,0.250000
<-3.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-30.000000,-0.000000>,0.250000
<-4.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-30.000000,-0.000000>,0.250000
<-4.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-31.000000,-0.000000>,0.250000
<-5.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-31.000000,-0.000000>,0.250000
<-5.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-32.000000,-0.000000>,0.250000
<-4.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-32.000000,-0.000000>,0.250000
<-4.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-31.000000,-0.000000>,0.250000
<-3.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-31.000000,-0.000000>,0.250000
<-3.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-32.000000,-0.000000>,0.250000
<-2.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-32.000000,-0.000000>,0.250000
<-2.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-33.000000,-0.000000>,0.250000
<-3.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-33.000000,-0.000000>,0.250000
<-3.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-34.000000,-0.000000>,0.250000
<-2.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-34.000000,-0.000000>,0.250000
<-2.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-33.000000,-0.000000>,0.250000
<-1.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-33.000000,-0.000000>,0.250000
<-1.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-34.000000,-0.000000>,0.250000
<-0.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-34.000000,-0.000000>,0.250000
<-0.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-33.000000,-0.000000>,0.250000
<1.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-33.000000,-0.000000>,0.250000
<1.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-32.000000,-0.000000>,0.250000
<-0.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-32.000000,-0.000000>,0.250000
<-0.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-33.000000,-0.000000>,0.250000
<-1.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-33.000000,-0.000000>,0.250000
<-1.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-32.000000,-0.000000>,0.250000
<-2.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-32.000000,-0.000000>,0.250000
<-2.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-31.000000,-0.000000>,0.250000
<-1.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-31.000000,-0.000000>,0.250000
<-1.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-30.000000,-0.000000>,0.250000
<-2.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-30.000000,-0.000000>,0.250000
<-2.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-29.000000,-0.000000>,0.250000
<-1.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-29.000000,-0.000000>,0.250000
<-1.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-30.000000,-0.000000>,0.250000
<-0.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-30.000000,-0.000000>,0.250000
<-0.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-29.000000,-0.000000>,0.250000
<1.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-29.000000,-0.000000>,0.250000
<1.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-28.000000,-0.000000>,0.250000
<-0.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-28.000000,-0.000000>,0.250000
<-0.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-27.000000,-0.000000>,0.250000
<1.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-27.000000,-0.000000>,0.250000
<1.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-28.000000,-0.000000>,0.250000
<2.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-28.000000,-0.000000>,0.250000
<2.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-29.000000,-0.000000>,0.250000
<1.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-29.000000,-0.000000>,0.250000
<1.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-30.000000,-0.000000>,0.250000
<2.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-30.000000,-0.000000>,0.250000
<2.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-29.000000,-0.000000>,0.250000
<3.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-29.000000,-0.000000>,0.250000
<3.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-30.000000,-0.000000>,0.250000
<4.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-30.000000,-0.000000>,0.250000
<4.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-29.000000,-0.000000>,0.250000
<5.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-29.000000,-0.000000>,0.250000
<5.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-28.000000,-0.000000>,0.250000
<4.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-28.000000,-0.000000>,0.250000
<4.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-27.000000,-0.000000>,0.250000
<5.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-27.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-27.000000,-0.000000>,0.250000
<5.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-28.000000,-0.000000>,0.250000
<6.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-28.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-28.000000,-0.000000>,0.250000
<6.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-29.000000,-0.000000>,0.250000
<5.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-29.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-29.000000,-0.000000>,0.250000
<5.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-30.000000,-0.000000>,0.250000
<6.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-30.000000,-0.000000>,0.250000
<6.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-31.000000,-0.000000>,0.250000
<5.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-31.000000,-0.000000>,0.250000
<5.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-30.000000,-0.000000>,0.250000
<4.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-30.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-30.000000,-0.000000>,0.250000
<4.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-31.000000,-0.000000>,0.250000
<3.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-31.000000,-0.000000>,0.250000
<3.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-32.000000,-0.000000>,0.250000
<4.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-32.000000,-0.000000>,0.250000
<4.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-31.000000,-0.000000>,0.250000
<5.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-31.000000,-0.000000>,0.250000
<5.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-32.000000,-0.000000>,0.250000
<6.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-32.000000,-0.000000>,0.250000
<6.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-33.000000,-0.000000>,0.250000
<5.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-33.000000,-0.000000>,0.250000
<5.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-34.000000,-0.000000>,0.250000
<6.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-34.000000,-0.000000>,0.250000
<6.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-33.000000,-0.000000>,0.250000
<7.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-33.000000,-0.000000>,0.250000
<7.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-34.000000,-0.000000>,0.250000
<8.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-34.000000,-0.000000>,0.250000
<8.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-33.000000,-0.000000>,0.250000
<9.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-33.000000,-0.000000>,0.250000
<9.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-32.000000,-0.000000>,0.250000
<8.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-32.000000,-0.000000>,0.250000
<8.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-31.000000,-0.000000>,0.250000
<9.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-31.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-31.000000,-0.000000>,0.250000
<9.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-32.000000,-0.000000>,0.250000
<10.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-32.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-32.000000,-0.000000>,0.250000
<10.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-33.000000,-0.000000>,0.250000
<9.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-33.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-33.000000,-0.000000>,0.250000
<9.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-34.000000,-0.000000>,0.250000
<10.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-34.000000,-0.000000>,0.250000
<10.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-35.000000,-0.000000>,0.250000
<9.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-35.000000,-0.000000>,0.250000
<9.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-34.000000,-0.000000>,0.250000
<8.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-34.000000,-0.000000>,0.250000
<8.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-35.000000,-0.000000>,0.250000
<7.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-35.000000,-0.000000>,0.250000
<7.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-36.000000,-0.000000>,0.250000
<8.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-36.000000,-0.000000>,0.250000
<8.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-37.000000,-0.000000>,0.250000
<7.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-37.000000,-0.000000>,0.250000
<7.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-36.000000,-0.000000>,0.250000
<6.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-36.000000,-0.000000>,0.250000
<6.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-35.000000,-0.000000>,0.250000
<7.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-35.000000,-0.000000>,0.250000
<7.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-34.000000,-0.000000>,0.250000
<6.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-34.000000,-0.000000>,0.250000
<6.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-35.000000,-0.000000>,0.250000
<5.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-35.000000,-0.000000>,0.250000
<5.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-34.000000,-0.000000>,0.250000
<4.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-34.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-34.000000,-0.000000>,0.250000
<4.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-35.000000,-0.000000>,0.250000
<3.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-35.000000,-0.000000>,0.250000
<3.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-36.000000,-0.000000>,0.250000
<4.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-36.000000,-0.000000>,0.250000
<4.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-35.000000,-0.000000>,0.250000
<5.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-35.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-35.000000,-0.000000>,0.250000
<5.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-36.000000,-0.000000>,0.250000
<6.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-36.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-36.000000,-0.000000>,0.250000
<6.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-37.000000,-0.000000>,0.250000
<5.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-37.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-37.000000,-0.000000>,0.250000
<5.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-38.000000,-0.000000>,0.250000
<6.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-38.000000,-0.000000>,0.250000
<6.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-39.000000,-0.000000>,0.250000
<5.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-39.000000,-0.000000>,0.250000
<5.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-38.000000,-0.000000>,0.250000
<4.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-38.000000,-0.000000>,0.250000
<4.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-39.000000,-0.000000>,0.250000
<3.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-39.000000,-0.000000>,0.250000
<3.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-40.000000,-0.000000>,0.250000
<4.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-40.000000,-0.000000>,0.250000
<4.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-39.000000,-0.000000>,0.250000
<5.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-39.000000,-0.000000>,0.250000
<5.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-40.000000,-0.000000>,0.250000
<6.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-40.000000,-0.000000>,0.250000
<6.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-41.000000,-0.000000>,0.250000
<5.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-41.000000,-0.000000>,0.250000
<5.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-42.000000,-0.000000>,0.250000
<6.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-42.000000,-0.000000>,0.250000
<6.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-41.000000,-0.000000>,0.250000
<7.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-41.000000,-0.000000>,0.250000
<7.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-42.000000,-0.000000>,0.250000
<8.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-42.000000,-0.000000>,0.250000
<8.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-41.000000,-0.000000>,0.250000
<9.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-41.000000,-0.000000>,0.250000
<9.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-40.000000,-0.000000>,0.250000
<8.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-40.000000,-0.000000>,0.250000
<8.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-39.000000,-0.000000>,0.250000
<9.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-39.000000,-0.000000>,0.250000
<9.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-40.000000,-0.000000>,0.250000
<10.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-40.000000,-0.000000>,0.250000
<10.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-41.000000,-0.000000>,0.250000
<9.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-41.000000,-0.000000>,0.250000
<9.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-42.000000,-0.000000>,0.250000
<10.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-42.000000,-0.000000>,0.250000
<10.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-43.000000,-0.000000>,0.250000
<9.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-43.000000,-0.000000>,0.250000
<9.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-42.000000,-0.000000>,0.250000
<8.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-42.000000,-0.000000>,0.250000
<8.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-43.000000,-0.000000>,0.250000
<7.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-43.000000,-0.000000>,0.250000
<7.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-44.000000,-0.000000>,0.250000
<8.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-44.000000,-0.000000>,0.250000
<8.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-45.000000,-0.000000>,0.250000
<7.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-45.000000,-0.000000>,0.250000
<7.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-44.000000,-0.000000>,0.250000
<6.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-44.000000,-0.000000>,0.250000
<6.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-43.000000,-0.000000>,0.250000
<7.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-43.000000,-0.000000>,0.250000
<7.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-42.000000,-0.000000>,0.250000
<6.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-42.000000,-0.000000>,0.250000
<6.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-43.000000,-0.000000>,0.250000
<5.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-43.000000,-0.000000>,0.250000
<5.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-42.000000,-0.000000>,0.250000
<4.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-42.000000,-0.000000>,0.250000
<4.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-43.000000,-0.000000>,0.250000
<3.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-43.000000,-0.000000>,0.250000
<3.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-44.000000,-0.000000>,0.250000
<4.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-44.000000,-0.000000>,0.250000
<4.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-45.000000,-0.000000>,0.250000
<3.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-45.000000,-0.000000>,0.250000
<3.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-44.000000,-0.000000>,0.250000
<2.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-44.000000,-0.000000>,0.250000
<2.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-43.000000,-0.000000>,0.250000
<3.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-43.000000,-0.000000>,0.250000
<3.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-42.000000,-0.000000>,0.250000
<2.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-42.000000,-0.000000>,0.250000
<2.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-41.000000,-0.000000>,0.250000
<3.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-41.000000,-0.000000>,0.250000
<3.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-42.000000,-0.000000>,0.250000
<4.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-42.000000,-0.000000>,0.250000
<4.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-41.000000,-0.000000>,0.250000
<5.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-41.000000,-0.000000>,0.250000
<5.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-40.000000,-0.000000>,0.250000
<4.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-40.000000,-0.000000>,0.250000
<4.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-41.000000,-0.000000>,0.250000
<3.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-41.000000,-0.000000>,0.250000
<3.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-40.000000,-0.000000>,0.250000
<2.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-40.000000,-0.000000>,0.250000
<2.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-39.000000,-0.000000>,0.250000
<3.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-39.000000,-0.000000>,0.250000
<3.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-38.000000,-0.000000>,0.250000
<2.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-38.000000,-0.000000>,0.250000
<2.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-39.000000,-0.000000>,0.250000
<1.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-39.000000,-0.000000>,0.250000
<1.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-38.000000,-0.000000>,0.250000
<-0.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-38.000000,-0.000000>,0.250000
<-0.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-39.000000,-0.000000>,0.250000
<-1.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-39.000000,-0.000000>,0.250000
<-1.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-40.000000,-0.000000>,0.250000
<-0.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-40.000000,-0.000000>,0.250000
<-0.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-39.000000,-0.000000>,0.250000
<1.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-39.000000,-0.000000>,0.250000
<1.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-40.000000,-0.000000>,0.250000
<2.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-40.000000,-0.000000>,0.250000
<2.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-41.000000,-0.000000>,0.250000
<1.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-41.000000,-0.000000>,0.250000
<1.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-42.000000,-0.000000>,0.250000
<2.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-42.000000,-0.000000>,0.250000
<2.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-43.000000,-0.000000>,0.250000
<1.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-43.000000,-0.000000>,0.250000
<1.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-42.000000,-0.000000>,0.250000
<-0.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-42.000000,-0.000000>,0.250000
<-0.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-43.000000,-0.000000>,0.250000
<-1.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-43.000000,-0.000000>,0.250000
<-1.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-44.000000,-0.000000>,0.250000
<-0.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-44.000000,-0.000000>,0.250000
<-0.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-45.000000,-0.000000>,0.250000
<-1.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-45.000000,-0.000000>,0.250000
<-1.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-44.000000,-0.000000>,0.250000
<-2.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-44.000000,-0.000000>,0.250000
<-2.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-43.000000,-0.000000>,0.250000
<-1.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-43.000000,-0.000000>,0.250000
<-1.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-42.000000,-0.000000>,0.250000
<-2.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-42.000000,-0.000000>,0.250000
<-2.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-43.000000,-0.000000>,0.250000
<-3.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-43.000000,-0.000000>,0.250000
<-3.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-42.000000,-0.000000>,0.250000
<-4.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-42.000000,-0.000000>,0.250000
<-4.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-43.000000,-0.000000>,0.250000
<-5.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-43.000000,-0.000000>,0.250000
<-5.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-44.000000,-0.000000>,0.250000
<-4.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-44.000000,-0.000000>,0.250000
<-4.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-43.000000,-0.000000>,0.250000
<-3.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-43.000000,-0.000000>,0.250000
<-3.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-44.000000,-0.000000>,0.250000
<-2.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-44.000000,-0.000000>,0.250000
<-2.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-45.000000,-0.000000>,0.250000
<-3.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-45.000000,-0.000000>,0.250000
<-3.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-46.000000,-0.000000>,0.250000
<-2.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-46.000000,-0.000000>,0.250000
<-2.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-47.000000,-0.000000>,0.250000
<-3.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-47.000000,-0.000000>,0.250000
<-3.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-46.000000,-0.000000>,0.250000
<-4.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-46.000000,-0.000000>,0.250000
<-4.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-47.000000,-0.000000>,0.250000
<-5.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-47.000000,-0.000000>,0.250000
<-5.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-48.000000,-0.000000>,0.250000
<-4.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-48.000000,-0.000000>,0.250000
<-4.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-47.000000,-0.000000>,0.250000
<-3.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-47.000000,-0.000000>,0.250000
<-3.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-48.000000,-0.000000>,0.250000
<-2.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-48.000000,-0.000000>,0.250000
<-2.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-49.000000,-0.000000>,0.250000
<-3.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-49.000000,-0.000000>,0.250000
<-3.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-50.000000,-0.000000>,0.250000
<-2.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-50.000000,-0.000000>,0.250000
<-2.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-49.000000,-0.000000>,0.250000
<-1.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-49.000000,-0.000000>,0.250000
<-1.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-50.000000,-0.000000>,0.250000
<-0.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-50.000000,-0.000000>,0.250000
<-0.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-49.000000,-0.000000>,0.250000
<1.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-49.000000,-0.000000>,0.250000
<1.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-48.000000,-0.000000>,0.250000
<-0.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-48.000000,-0.000000>,0.250000
<-0.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-47.000000,-0.000000>,0.250000
<1.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-47.000000,-0.000000>,0.250000
<1.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-48.000000,-0.000000>,0.250000
<2.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-48.000000,-0.000000>,0.250000
<2.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-49.000000,-0.000000>,0.250000
<1.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-49.000000,-0.000000>,0.250000
<1.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-50.000000,-0.000000>,0.250000
<2.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-50.000000,-0.000000>,0.250000
<2.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-51.000000,-0.000000>,0.250000
<1.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-51.000000,-0.000000>,0.250000
<1.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-50.000000,-0.000000>,0.250000
<-0.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-50.000000,-0.000000>,0.250000
<-0.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-51.000000,-0.000000>,0.250000
<-1.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-51.000000,-0.000000>,0.250000
<-1.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-52.000000,-0.000000>,0.250000
<-0.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-52.000000,-0.000000>,0.250000
<-0.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-53.000000,-0.000000>,0.250000
<-1.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-53.000000,-0.000000>,0.250000
<-1.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-52.000000,-0.000000>,0.250000
<-2.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-52.000000,-0.000000>,0.250000
<-2.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-51.000000,-0.000000>,0.250000
<-1.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-51.000000,-0.000000>,0.250000
<-1.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-50.000000,-0.000000>,0.250000
<-2.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-50.000000,-0.000000>,0.250000
<-2.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-51.000000,-0.000000>,0.250000
<-3.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-51.000000,-0.000000>,0.250000
<-3.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-50.000000,-0.000000>,0.250000
<-4.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-50.000000,-0.000000>,0.250000
<-4.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-51.000000,-0.000000>,0.250000
<-5.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-51.000000,-0.000000>,0.250000
<-5.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-52.000000,-0.000000>,0.250000
<-4.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-52.000000,-0.000000>,0.250000
<-4.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-53.000000,-0.000000>,0.250000
<-5.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-53.000000,-0.000000>,0.250000
<-5.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-52.000000,-0.000000>,0.250000
<-6.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-52.000000,-0.000000>,0.250000
<-6.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-51.000000,-0.000000>,0.250000
<-5.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-51.000000,-0.000000>,0.250000
<-5.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-50.000000,-0.000000>,0.250000
<-6.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-50.000000,-0.000000>,0.250000
<-6.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-49.000000,-0.000000>,0.250000
<-5.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-49.000000,-0.000000>,0.250000
<-5.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-50.000000,-0.000000>,0.250000
<-4.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-50.000000,-0.000000>,0.250000
<-4.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-49.000000,-0.000000>,0.250000
<-3.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-49.000000,-0.000000>,0.250000
<-3.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-48.000000,-0.000000>,0.250000
<-4.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-48.000000,-0.000000>,0.250000
<-4.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-49.000000,-0.000000>,0.250000
<-5.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-49.000000,-0.000000>,0.250000
<-5.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-48.000000,-0.000000>,0.250000
<-6.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-48.000000,-0.000000>,0.250000
<-6.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-47.000000,-0.000000>,0.250000
<-5.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-47.000000,-0.000000>,0.250000
<-5.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-46.000000,-0.000000>,0.250000
<-6.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-46.000000,-0.000000>,0.250000
<-6.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-47.000000,-0.000000>,0.250000
<-7.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-47.000000,-0.000000>,0.250000
<-7.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-46.000000,-0.000000>,0.250000
<-8.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-46.000000,-0.000000>,0.250000
<-8.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-47.000000,-0.000000>,0.250000
<-9.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-47.000000,-0.000000>,0.250000
<-9.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-48.000000,-0.000000>,0.250000
<-8.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-48.000000,-0.000000>,0.250000
<-8.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-49.000000,-0.000000>,0.250000
<-9.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-49.000000,-0.000000>,0.250000
<-9.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-48.000000,-0.000000>,0.250000
<-10.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-48.000000,-0.000000>,0.250000
<-10.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-47.000000,-0.000000>,0.250000
<-9.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-47.000000,-0.000000>,0.250000
<-9.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-46.000000,-0.000000>,0.250000
<-10.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-46.000000,-0.000000>,0.250000
<-10.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-45.000000,-0.000000>,0.250000
<-9.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-45.000000,-0.000000>,0.250000
<-9.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-46.000000,-0.000000>,0.250000
<-8.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-46.000000,-0.000000>,0.250000
<-8.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-45.000000,-0.000000>,0.250000
<-7.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-45.000000,-0.000000>,0.250000
<-7.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-44.000000,-0.000000>,0.250000
<-8.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-44.000000,-0.000000>,0.250000
<-8.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-43.000000,-0.000000>,0.250000
<-7.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-43.000000,-0.000000>,0.250000
<-7.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-44.000000,-0.000000>,0.250000
<-6.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-44.000000,-0.000000>,0.250000
<-6.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-45.000000,-0.000000>,0.250000
<-7.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-45.000000,-0.000000>,0.250000
<-7.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-46.000000,-0.000000>,0.250000
<-6.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-46.000000,-0.000000>,0.250000
<-6.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-45.000000,-0.000000>,0.250000
<-5.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-45.000000,-0.000000>,0.250000
<-5.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-46.000000,-0.000000>,0.250000
<-4.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-46.000000,-0.000000>,0.250000
<-4.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-45.000000,-0.000000>,0.250000
<-3.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-45.000000,-0.000000>,0.250000
<-3.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-44.000000,-0.000000>,0.250000
<-4.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-44.000000,-0.000000>,0.250000
<-4.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-45.000000,-0.000000>,0.250000
<-5.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-45.000000,-0.000000>,0.250000
<-5.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-44.000000,-0.000000>,0.250000
<-6.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-44.000000,-0.000000>,0.250000
<-6.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-43.000000,-0.000000>,0.250000
<-5.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-43.000000,-0.000000>,0.250000
<-5.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-42.000000,-0.000000>,0.250000
<-6.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-42.000000,-0.000000>,0.250000
<-6.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-41.000000,-0.000000>,0.250000
<-5.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-41.000000,-0.000000>,0.250000
<-5.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-42.000000,-0.000000>,0.250000
<-4.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-42.000000,-0.000000>,0.250000
<-4.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-41.000000,-0.000000>,0.250000
<-3.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-41.000000,-0.000000>,0.250000
<-3.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-40.000000,-0.000000>,0.250000
<-4.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-40.000000,-0.000000>,0.250000
<-4.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-41.000000,-0.000000>,0.250000
<-5.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-41.000000,-0.000000>,0.250000
<-5.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-40.000000,-0.000000>,0.250000
<-6.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-40.000000,-0.000000>,0.250000
<-6.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-39.000000,-0.000000>,0.250000
<-5.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-39.000000,-0.000000>,0.250000
<-5.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-38.000000,-0.000000>,0.250000
<-6.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-38.000000,-0.000000>,0.250000
<-6.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-39.000000,-0.000000>,0.250000
<-7.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-39.000000,-0.000000>,0.250000
<-7.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-38.000000,-0.000000>,0.250000
<-8.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-38.000000,-0.000000>,0.250000
<-8.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-39.000000,-0.000000>,0.250000
<-9.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-39.000000,-0.000000>,0.250000
<-9.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-40.000000,-0.000000>,0.250000
<-8.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-40.000000,-0.000000>,0.250000
<-8.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-39.000000,-0.000000>,0.250000
<-7.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-39.000000,-0.000000>,0.250000
<-7.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-40.000000,-0.000000>,0.250000
<-6.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-40.000000,-0.000000>,0.250000
<-6.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-41.000000,-0.000000>,0.250000
<-7.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-41.000000,-0.000000>,0.250000
<-7.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-42.000000,-0.000000>,0.250000
<-6.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-42.000000,-0.000000>,0.250000
<-6.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-43.000000,-0.000000>,0.250000
<-7.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-43.000000,-0.000000>,0.250000
<-7.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-42.000000,-0.000000>,0.250000
<-8.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-42.000000,-0.000000>,0.250000
<-8.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-43.000000,-0.000000>,0.250000
<-9.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-43.000000,-0.000000>,0.250000
<-9.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-44.000000,-0.000000>,0.250000
<-8.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-44.000000,-0.000000>,0.250000
<-8.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-45.000000,-0.000000>,0.250000
<-9.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-45.000000,-0.000000>,0.250000
<-9.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-44.000000,-0.000000>,0.250000
<-10.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-44.000000,-0.000000>,0.250000
<-10.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-43.000000,-0.000000>,0.250000
<-9.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-43.000000,-0.000000>,0.250000
<-9.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-42.000000,-0.000000>,0.250000
<-10.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-42.000000,-0.000000>,0.250000
<-10.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-43.000000,-0.000000>,0.250000
<-11.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-43.000000,-0.000000>,0.250000
<-11.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-42.000000,-0.000000>,0.250000
<-12.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-42.000000,-0.000000>,0.250000
<-12.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-43.000000,-0.000000>,0.250000
<-13.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-43.000000,-0.000000>,0.250000
<-13.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-44.000000,-0.000000>,0.250000
<-12.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-44.000000,-0.000000>,0.250000
<-12.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-45.000000,-0.000000>,0.250000
<-13.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-45.000000,-0.000000>,0.250000
<-13.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-44.000000,-0.000000>,0.250000
<-14.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-44.000000,-0.000000>,0.250000
<-14.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-43.000000,-0.000000>,0.250000
<-13.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-43.000000,-0.000000>,0.250000
<-13.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-42.000000,-0.000000>,0.250000
<-14.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-42.000000,-0.000000>,0.250000
<-14.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-41.000000,-0.000000>,0.250000
<-13.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-41.000000,-0.000000>,0.250000
<-13.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-42.000000,-0.000000>,0.250000
<-12.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-42.000000,-0.000000>,0.250000
<-12.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-41.000000,-0.000000>,0.250000
<-11.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-41.000000,-0.000000>,0.250000
<-11.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-40.000000,-0.000000>,0.250000
<-12.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-40.000000,-0.000000>,0.250000
<-12.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-41.000000,-0.000000>,0.250000
<-13.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-41.000000,-0.000000>,0.250000
<-13.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-40.000000,-0.000000>,0.250000
<-14.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-40.000000,-0.000000>,0.250000
<-14.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-39.000000,-0.000000>,0.250000
<-13.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-39.000000,-0.000000>,0.250000
<-13.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-38.000000,-0.000000>,0.250000
<-14.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-38.000000,-0.000000>,0.250000
<-14.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-39.000000,-0.000000>,0.250000
<-15.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-39.000000,-0.000000>,0.250000
<-15.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-38.000000,-0.000000>,0.250000
<-16.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-38.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-38.000000,-0.000000>,0.250000
<-16.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-39.000000,-0.000000>,0.250000
<-17.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-39.000000,-0.000000>,0.250000
<-17.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-40.000000,-0.000000>,0.250000
<-16.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-40.000000,-0.000000>,0.250000
<-16.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-39.000000,-0.000000>,0.250000
<-15.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-39.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-39.000000,-0.000000>,0.250000
<-15.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-40.000000,-0.000000>,0.250000
<-14.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-40.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-40.000000,-0.000000>,0.250000
<-14.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-41.000000,-0.000000>,0.250000
<-15.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-41.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-41.000000,-0.000000>,0.250000
<-15.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-42.000000,-0.000000>,0.250000
<-14.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-42.000000,-0.000000>,0.250000
<-14.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-43.000000,-0.000000>,0.250000
<-15.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-43.000000,-0.000000>,0.250000
<-15.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-42.000000,-0.000000>,0.250000
<-16.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-42.000000,-0.000000>,0.250000
<-16.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-43.000000,-0.000000>,0.250000
<-17.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-43.000000,-0.000000>,0.250000
<-17.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-44.000000,-0.000000>,0.250000
<-16.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-44.000000,-0.000000>,0.250000
<-16.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-45.000000,-0.000000>,0.250000
<-17.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-45.000000,-0.000000>,0.250000
<-17.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-44.000000,-0.000000>,0.250000
<-18.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-44.000000,-0.000000>,0.250000
<-18.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-43.000000,-0.000000>,0.250000
<-17.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-43.000000,-0.000000>,0.250000
<-17.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-42.000000,-0.000000>,0.250000
<-18.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-42.000000,-0.000000>,0.250000
<-18.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-43.000000,-0.000000>,0.250000
<-19.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-43.000000,-0.000000>,0.250000
<-19.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-42.000000,-0.000000>,0.250000
<-20.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-42.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-42.000000,-0.000000>,0.250000
<-20.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-43.000000,-0.000000>,0.250000
<-21.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,-43.000000,-0.000000>,0.250000
<-21.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,-44.000000,-0.000000>,0.250000
<-20.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-44.000000,-0.000000>,0.250000
<-20.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-43.000000,-0.000000>,0.250000
<-19.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-43.000000,-0.000000>,0.250000
<-19.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-44.000000,-0.000000>,0.250000
<-18.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-44.000000,-0.000000>,0.250000
<-18.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-45.000000,-0.000000>,0.250000
<-19.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-45.000000,-0.000000>,0.250000
<-19.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-46.000000,-0.000000>,0.250000
<-18.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-46.000000,-0.000000>,0.250000
<-18.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-47.000000,-0.000000>,0.250000
<-19.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-47.000000,-0.000000>,0.250000
<-19.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-46.000000,-0.000000>,0.250000
<-20.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-46.000000,-0.000000>,0.250000
<-20.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-47.000000,-0.000000>,0.250000
<-21.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,-47.000000,-0.000000>,0.250000
<-21.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,-48.000000,-0.000000>,0.250000
<-20.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-48.000000,-0.000000>,0.250000
<-20.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-47.000000,-0.000000>,0.250000
<-19.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-47.000000,-0.000000>,0.250000
<-19.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-48.000000,-0.000000>,0.250000
<-18.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-48.000000,-0.000000>,0.250000
<-18.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-49.000000,-0.000000>,0.250000
<-19.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-49.000000,-0.000000>,0.250000
<-19.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-50.000000,-0.000000>,0.250000
<-18.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-50.000000,-0.000000>,0.250000
<-18.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-49.000000,-0.000000>,0.250000
<-17.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-49.000000,-0.000000>,0.250000
<-17.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-50.000000,-0.000000>,0.250000
<-16.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-50.000000,-0.000000>,0.250000
<-16.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-49.000000,-0.000000>,0.250000
<-15.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-49.000000,-0.000000>,0.250000
<-15.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-48.000000,-0.000000>,0.250000
<-16.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-48.000000,-0.000000>,0.250000
<-16.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-49.000000,-0.000000>,0.250000
<-17.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-49.000000,-0.000000>,0.250000
<-17.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-48.000000,-0.000000>,0.250000
<-18.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-48.000000,-0.000000>,0.250000
<-18.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-47.000000,-0.000000>,0.250000
<-17.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-47.000000,-0.000000>,0.250000
<-17.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-46.000000,-0.000000>,0.250000
<-18.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-46.000000,-0.000000>,0.250000
<-18.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-45.000000,-0.000000>,0.250000
<-17.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-45.000000,-0.000000>,0.250000
<-17.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-46.000000,-0.000000>,0.250000
<-16.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-46.000000,-0.000000>,0.250000
<-16.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-45.000000,-0.000000>,0.250000
<-15.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-45.000000,-0.000000>,0.250000
<-15.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-44.000000,-0.000000>,0.250000
<-16.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-44.000000,-0.000000>,0.250000
<-16.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-43.000000,-0.000000>,0.250000
<-15.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-43.000000,-0.000000>,0.250000
<-15.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-44.000000,-0.000000>,0.250000
<-14.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-44.000000,-0.000000>,0.250000
<-14.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-45.000000,-0.000000>,0.250000
<-15.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-45.000000,-0.000000>,0.250000
<-15.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-46.000000,-0.000000>,0.250000
<-14.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-46.000000,-0.000000>,0.250000
<-14.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-45.000000,-0.000000>,0.250000
<-13.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-45.000000,-0.000000>,0.250000
<-13.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-46.000000,-0.000000>,0.250000
<-12.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-46.000000,-0.000000>,0.250000
<-12.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-45.000000,-0.000000>,0.250000
<-11.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-45.000000,-0.000000>,0.250000
<-11.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-44.000000,-0.000000>,0.250000
<-12.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-44.000000,-0.000000>,0.250000
<-12.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-43.000000,-0.000000>,0.250000
<-11.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-43.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-43.000000,-0.000000>,0.250000
<-11.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-44.000000,-0.000000>,0.250000
<-10.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-44.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-44.000000,-0.000000>,0.250000
<-10.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-45.000000,-0.000000>,0.250000
<-11.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-45.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-45.000000,-0.000000>,0.250000
<-11.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-46.000000,-0.000000>,0.250000
<-10.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-46.000000,-0.000000>,0.250000
<-10.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-47.000000,-0.000000>,0.250000
<-11.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-47.000000,-0.000000>,0.250000
<-11.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-46.000000,-0.000000>,0.250000
<-12.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-46.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-46.000000,-0.000000>,0.250000
<-12.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-47.000000,-0.000000>,0.250000
<-13.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-47.000000,-0.000000>,0.250000
<-13.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-48.000000,-0.000000>,0.250000
<-12.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-48.000000,-0.000000>,0.250000
<-12.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-47.000000,-0.000000>,0.250000
<-11.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-47.000000,-0.000000>,0.250000
<-11.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-48.000000,-0.000000>,0.250000
<-10.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-48.000000,-0.000000>,0.250000
<-10.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-49.000000,-0.000000>,0.250000
<-11.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-49.000000,-0.000000>,0.250000
<-11.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-50.000000,-0.000000>,0.250000
<-10.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-50.000000,-0.000000>,0.250000
<-10.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-49.000000,-0.000000>,0.250000
<-9.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-49.000000,-0.000000>,0.250000
<-9.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-50.000000,-0.000000>,0.250000
<-8.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-50.000000,-0.000000>,0.250000
<-8.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-49.000000,-0.000000>,0.250000
<-7.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-49.000000,-0.000000>,0.250000
<-7.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-48.000000,-0.000000>,0.250000
<-8.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-48.000000,-0.000000>,0.250000
<-8.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-47.000000,-0.000000>,0.250000
<-7.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-47.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-47.000000,-0.000000>,0.250000
<-7.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-48.000000,-0.000000>,0.250000
<-6.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-48.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-48.000000,-0.000000>,0.250000
<-6.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-49.000000,-0.000000>,0.250000
<-7.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-49.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-49.000000,-0.000000>,0.250000
<-7.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-50.000000,-0.000000>,0.250000
<-6.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-50.000000,-0.000000>,0.250000
<-6.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-51.000000,-0.000000>,0.250000
<-7.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-51.000000,-0.000000>,0.250000
<-7.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-50.000000,-0.000000>,0.250000
<-8.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-50.000000,-0.000000>,0.250000
<-8.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-51.000000,-0.000000>,0.250000
<-9.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-51.000000,-0.000000>,0.250000
<-9.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-52.000000,-0.000000>,0.250000
<-8.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-52.000000,-0.000000>,0.250000
<-8.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-53.000000,-0.000000>,0.250000
<-9.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-53.000000,-0.000000>,0.250000
<-9.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-52.000000,-0.000000>,0.250000
<-10.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-52.000000,-0.000000>,0.250000
<-10.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-51.000000,-0.000000>,0.250000
<-9.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-51.000000,-0.000000>,0.250000
<-9.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-50.000000,-0.000000>,0.250000
<-10.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-50.000000,-0.000000>,0.250000
<-10.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-51.000000,-0.000000>,0.250000
<-11.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-51.000000,-0.000000>,0.250000
<-11.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-50.000000,-0.000000>,0.250000
<-12.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-50.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-50.000000,-0.000000>,0.250000
<-12.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-51.000000,-0.000000>,0.250000
<-13.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-51.000000,-0.000000>,0.250000
<-13.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-52.000000,-0.000000>,0.250000
<-12.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-52.000000,-0.000000>,0.250000
<-12.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-51.000000,-0.000000>,0.250000
<-11.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-51.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-51.000000,-0.000000>,0.250000
<-11.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-52.000000,-0.000000>,0.250000
<-10.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-52.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-52.000000,-0.000000>,0.250000
<-10.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-53.000000,-0.000000>,0.250000
<-11.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-53.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-53.000000,-0.000000>,0.250000
<-11.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-54.000000,-0.000000>,0.250000
<-10.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-54.000000,-0.000000>,0.250000
<-10.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-55.000000,-0.000000>,0.250000
<-11.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-55.000000,-0.000000>,0.250000
<-11.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-54.000000,-0.000000>,0.250000
<-12.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-54.000000,-0.000000>,0.250000
<-12.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-55.000000,-0.000000>,0.250000
<-13.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-55.000000,-0.000000>,0.250000
<-13.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-56.000000,-0.000000>,0.250000
<-12.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-56.000000,-0.000000>,0.250000
<-12.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-55.000000,-0.000000>,0.250000
<-11.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-55.000000,-0.000000>,0.250000
<-11.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-56.000000,-0.000000>,0.250000
<-10.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-56.000000,-0.000000>,0.250000
<-10.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-57.000000,-0.000000>,0.250000
<-11.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-57.000000,-0.000000>,0.250000
<-11.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-58.000000,-0.000000>,0.250000
<-10.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-58.000000,-0.000000>,0.250000
<-10.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-57.000000,-0.000000>,0.250000
<-9.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-57.000000,-0.000000>,0.250000
<-9.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-58.000000,-0.000000>,0.250000
<-8.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-58.000000,-0.000000>,0.250000
<-8.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-57.000000,-0.000000>,0.250000
<-7.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-57.000000,-0.000000>,0.250000
<-7.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-56.000000,-0.000000>,0.250000
<-8.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-56.000000,-0.000000>,0.250000
<-8.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-55.000000,-0.000000>,0.250000
<-7.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-55.000000,-0.000000>,0.250000
<-7.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-56.000000,-0.000000>,0.250000
<-6.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-56.000000,-0.000000>,0.250000
<-6.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-57.000000,-0.000000>,0.250000
<-7.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-57.000000,-0.000000>,0.250000
<-7.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-58.000000,-0.000000>,0.250000
<-6.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-58.000000,-0.000000>,0.250000
<-6.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-59.000000,-0.000000>,0.250000
<-7.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-59.000000,-0.000000>,0.250000
<-7.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-58.000000,-0.000000>,0.250000
<-8.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-58.000000,-0.000000>,0.250000
<-8.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-59.000000,-0.000000>,0.250000
<-9.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-59.000000,-0.000000>,0.250000
<-9.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-60.000000,-0.000000>,0.250000
<-8.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-60.000000,-0.000000>,0.250000
<-8.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-61.000000,-0.000000>,0.250000
<-9.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-61.000000,-0.000000>,0.250000
<-9.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-60.000000,-0.000000>,0.250000
<-10.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-60.000000,-0.000000>,0.250000
<-10.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-59.000000,-0.000000>,0.250000
<-9.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-59.000000,-0.000000>,0.250000
<-9.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-58.000000,-0.000000>,0.250000
<-10.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-58.000000,-0.000000>,0.250000
<-10.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-59.000000,-0.000000>,0.250000
<-11.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-59.000000,-0.000000>,0.250000
<-11.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-58.000000,-0.000000>,0.250000
<-12.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-58.000000,-0.000000>,0.250000
<-12.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-59.000000,-0.000000>,0.250000
<-13.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-59.000000,-0.000000>,0.250000
<-13.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-60.000000,-0.000000>,0.250000
<-12.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-60.000000,-0.000000>,0.250000
<-12.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-61.000000,-0.000000>,0.250000
<-13.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-61.000000,-0.000000>,0.250000
<-13.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-60.000000,-0.000000>,0.250000
<-14.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-60.000000,-0.000000>,0.250000
<-14.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-59.000000,-0.000000>,0.250000
<-13.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-59.000000,-0.000000>,0.250000
<-13.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-58.000000,-0.000000>,0.250000
<-14.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-58.000000,-0.000000>,0.250000
<-14.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-57.000000,-0.000000>,0.250000
<-13.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-57.000000,-0.000000>,0.250000
<-13.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-58.000000,-0.000000>,0.250000
<-12.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-58.000000,-0.000000>,0.250000
<-12.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-57.000000,-0.000000>,0.250000
<-11.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-57.000000,-0.000000>,0.250000
<-11.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-56.000000,-0.000000>,0.250000
<-12.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-56.000000,-0.000000>,0.250000
<-12.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-57.000000,-0.000000>,0.250000
<-13.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-57.000000,-0.000000>,0.250000
<-13.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-56.000000,-0.000000>,0.250000
<-14.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-56.000000,-0.000000>,0.250000
<-14.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-55.000000,-0.000000>,0.250000
<-13.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-55.000000,-0.000000>,0.250000
<-13.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-54.000000,-0.000000>,0.250000
<-14.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-54.000000,-0.000000>,0.250000
<-14.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-55.000000,-0.000000>,0.250000
<-15.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-55.000000,-0.000000>,0.250000
<-15.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-54.000000,-0.000000>,0.250000
<-16.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-54.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-54.000000,-0.000000>,0.250000
<-16.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-55.000000,-0.000000>,0.250000
<-17.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-55.000000,-0.000000>,0.250000
<-17.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-56.000000,-0.000000>,0.250000
<-16.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-56.000000,-0.000000>,0.250000
<-16.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-55.000000,-0.000000>,0.250000
<-15.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-55.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-55.000000,-0.000000>,0.250000
<-15.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-56.000000,-0.000000>,0.250000
<-14.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-56.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-56.000000,-0.000000>,0.250000
<-14.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-57.000000,-0.000000>,0.250000
<-15.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-57.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-57.000000,-0.000000>,0.250000
<-15.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-58.000000,-0.000000>,0.250000
<-14.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-58.000000,-0.000000>,0.250000
<-14.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-59.000000,-0.000000>,0.250000
<-15.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-59.000000,-0.000000>,0.250000
<-15.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-58.000000,-0.000000>,0.250000
<-16.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-58.000000,-0.000000>,0.250000
<-16.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-59.000000,-0.000000>,0.250000
<-17.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-59.000000,-0.000000>,0.250000
<-17.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-60.000000,-0.000000>,0.250000
<-16.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-60.000000,-0.000000>,0.250000
<-16.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-61.000000,-0.000000>,0.250000
<-17.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-61.000000,-0.000000>,0.250000
<-17.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-60.000000,-0.000000>,0.250000
<-18.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-60.000000,-0.000000>,0.250000
<-18.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-59.000000,-0.000000>,0.250000
<-17.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-59.000000,-0.000000>,0.250000
<-17.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-58.000000,-0.000000>,0.250000
<-18.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-58.000000,-0.000000>,0.250000
<-18.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-59.000000,-0.000000>,0.250000
<-19.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-59.000000,-0.000000>,0.250000
<-19.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-58.000000,-0.000000>,0.250000
<-20.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-58.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-58.000000,-0.000000>,0.250000
<-20.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-59.000000,-0.000000>,0.250000
<-21.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,-59.000000,-0.000000>,0.250000
<-21.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,-60.000000,-0.000000>,0.250000
<-20.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-60.000000,-0.000000>,0.250000
<-20.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-59.000000,-0.000000>,0.250000
<-19.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-59.000000,-0.000000>,0.250000
<-19.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-60.000000,-0.000000>,0.250000
<-18.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-60.000000,-0.000000>,0.250000
<-18.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-61.000000,-0.000000>,0.250000
<-19.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-61.000000,-0.000000>,0.250000
<-19.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-62.000000,-0.000000>,0.250000
<-18.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-62.000000,-0.000000>,0.250000
<-18.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-63.000000,-0.000000>,0.250000
<-19.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-63.000000,-0.000000>,0.250000
<-19.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-62.000000,-0.000000>,0.250000
<-20.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-62.000000,-0.000000>,0.250000
<-20.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-63.000000,-0.000000>,0.250000
<-21.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,-63.000000,-0.000000>,0.250000
<-21.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,-64.000000,-0.000000>,0.250000
<-20.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-64.000000,-0.000000>,0.250000
<-20.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-63.000000,-0.000000>,0.250000
<-19.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-63.000000,-0.000000>,0.250000
<-19.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-64.000000,-0.000000>,0.250000
<-18.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-64.000000,-0.000000>,0.250000
<-18.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-65.000000,-0.000000>,0.250000
<-19.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-65.000000,-0.000000>,0.250000
<-19.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-66.000000,-0.000000>,0.250000
<-18.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-66.000000,-0.000000>,0.250000
<-18.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-65.000000,-0.000000>,0.250000
<-17.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-65.000000,-0.000000>,0.250000
<-17.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-66.000000,-0.000000>,0.250000
<-16.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-66.000000,-0.000000>,0.250000
<-16.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-65.000000,-0.000000>,0.250000
<-15.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-65.000000,-0.000000>,0.250000
<-15.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-64.000000,-0.000000>,0.250000
<-16.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-64.000000,-0.000000>,0.250000
<-16.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-65.000000,-0.000000>,0.250000
<-17.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-65.000000,-0.000000>,0.250000
<-17.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-64.000000,-0.000000>,0.250000
<-18.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-64.000000,-0.000000>,0.250000
<-18.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-63.000000,-0.000000>,0.250000
<-17.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-63.000000,-0.000000>,0.250000
<-17.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-62.000000,-0.000000>,0.250000
<-18.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-62.000000,-0.000000>,0.250000
<-18.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-61.000000,-0.000000>,0.250000
<-17.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-61.000000,-0.000000>,0.250000
<-17.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-62.000000,-0.000000>,0.250000
<-16.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-62.000000,-0.000000>,0.250000
<-16.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-61.000000,-0.000000>,0.250000
<-15.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-61.000000,-0.000000>,0.250000
<-15.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-60.000000,-0.000000>,0.250000
<-16.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-60.000000,-0.000000>,0.250000
<-16.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-59.000000,-0.000000>,0.250000
<-15.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-59.000000,-0.000000>,0.250000
<-15.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-60.000000,-0.000000>,0.250000
<-14.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-60.000000,-0.000000>,0.250000
<-14.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-61.000000,-0.000000>,0.250000
<-15.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-61.000000,-0.000000>,0.250000
<-15.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,-62.000000,-0.000000>,0.250000
<-14.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-62.000000,-0.000000>,0.250000
<-14.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-61.000000,-0.000000>,0.250000
<-13.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-61.000000,-0.000000>,0.250000
<-13.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-62.000000,-0.000000>,0.250000
<-12.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-62.000000,-0.000000>,0.250000
<-12.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-61.000000,-0.000000>,0.250000
<-11.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-61.000000,-0.000000>,0.250000
<-11.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-60.000000,-0.000000>,0.250000
<-12.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-60.000000,-0.000000>,0.250000
<-12.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-59.000000,-0.000000>,0.250000
<-11.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-59.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-59.000000,-0.000000>,0.250000
<-11.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-60.000000,-0.000000>,0.250000
<-10.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-60.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-60.000000,-0.000000>,0.250000
<-10.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-61.000000,-0.000000>,0.250000
<-11.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-61.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-61.000000,-0.000000>,0.250000
<-11.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-62.000000,-0.000000>,0.250000
<-10.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-62.000000,-0.000000>,0.250000
<-10.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-63.000000,-0.000000>,0.250000
<-11.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-63.000000,-0.000000>,0.250000
<-11.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-62.000000,-0.000000>,0.250000
<-12.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-62.000000,-0.000000>,0.250000
<-12.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-63.000000,-0.000000>,0.250000
<-13.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-63.000000,-0.000000>,0.250000
<-13.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-64.000000,-0.000000>,0.250000
<-12.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-64.000000,-0.000000>,0.250000
<-12.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-63.000000,-0.000000>,0.250000
<-11.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-63.000000,-0.000000>,0.250000
<-11.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-64.000000,-0.000000>,0.250000
<-10.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-64.000000,-0.000000>,0.250000
<-10.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-65.000000,-0.000000>,0.250000
<-11.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-65.000000,-0.000000>,0.250000
<-11.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-66.000000,-0.000000>,0.250000
<-10.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-66.000000,-0.000000>,0.250000
<-10.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-65.000000,-0.000000>,0.250000
<-9.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-65.000000,-0.000000>,0.250000
<-9.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-66.000000,-0.000000>,0.250000
<-8.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-66.000000,-0.000000>,0.250000
<-8.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-65.000000,-0.000000>,0.250000
<-7.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-65.000000,-0.000000>,0.250000
<-7.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-64.000000,-0.000000>,0.250000
<-8.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-64.000000,-0.000000>,0.250000
<-8.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-63.000000,-0.000000>,0.250000
<-7.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-63.000000,-0.000000>,0.250000
<-7.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-64.000000,-0.000000>,0.250000
<-6.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-64.000000,-0.000000>,0.250000
<-6.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-65.000000,-0.000000>,0.250000
<-7.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-65.000000,-0.000000>,0.250000
<-7.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-66.000000,-0.000000>,0.250000
<-6.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-66.000000,-0.000000>,0.250000
<-6.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-67.000000,-0.000000>,0.250000
<-7.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-67.000000,-0.000000>,0.250000
<-7.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-66.000000,-0.000000>,0.250000
<-8.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-66.000000,-0.000000>,0.250000
<-8.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-67.000000,-0.000000>,0.250000
<-9.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-67.000000,-0.000000>,0.250000
<-9.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-68.000000,-0.000000>,0.250000
<-8.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-68.000000,-0.000000>,0.250000
<-8.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-69.000000,-0.000000>,0.250000
<-9.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-69.000000,-0.000000>,0.250000
<-9.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-68.000000,-0.000000>,0.250000
<-10.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-68.000000,-0.000000>,0.250000
<-10.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-67.000000,-0.000000>,0.250000
<-9.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-67.000000,-0.000000>,0.250000
<-9.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-66.000000,-0.000000>,0.250000
<-10.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-66.000000,-0.000000>,0.250000
<-10.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-67.000000,-0.000000>,0.250000
<-11.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-67.000000,-0.000000>,0.250000
<-11.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-66.000000,-0.000000>,0.250000
<-12.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-66.000000,-0.000000>,0.250000
<-12.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-67.000000,-0.000000>,0.250000
<-13.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-67.000000,-0.000000>,0.250000
<-13.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-68.000000,-0.000000>,0.250000
<-12.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-68.000000,-0.000000>,0.250000
<-12.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-67.000000,-0.000000>,0.250000
<-11.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-67.000000,-0.000000>,0.250000
<-11.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-68.000000,-0.000000>,0.250000
<-10.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-68.000000,-0.000000>,0.250000
<-10.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-69.000000,-0.000000>,0.250000
<-11.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-69.000000,-0.000000>,0.250000
<-11.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-70.000000,-0.000000>,0.250000
<-10.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-70.000000,-0.000000>,0.250000
<-10.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-71.000000,-0.000000>,0.250000
<-11.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-71.000000,-0.000000>,0.250000
<-11.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-70.000000,-0.000000>,0.250000
<-12.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-70.000000,-0.000000>,0.250000
<-12.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-71.000000,-0.000000>,0.250000
<-13.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-71.000000,-0.000000>,0.250000
<-13.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-72.000000,-0.000000>,0.250000
<-12.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-72.000000,-0.000000>,0.250000
<-12.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,-71.000000,-0.000000>,0.250000
<-11.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-71.000000,-0.000000>,0.250000
<-11.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-72.000000,-0.000000>,0.250000
<-10.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-72.000000,-0.000000>,0.250000
<-10.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-73.000000,-0.000000>,0.250000
<-11.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-73.000000,-0.000000>,0.250000
<-11.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-74.000000,-0.000000>,0.250000
<-10.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-74.000000,-0.000000>,0.250000
<-10.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-73.000000,-0.000000>,0.250000
<-9.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-73.000000,-0.000000>,0.250000
<-9.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-74.000000,-0.000000>,0.250000
<-8.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-74.000000,-0.000000>,0.250000
<-8.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-73.000000,-0.000000>,0.250000
<-7.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-73.000000,-0.000000>,0.250000
<-7.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-72.000000,-0.000000>,0.250000
<-8.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-72.000000,-0.000000>,0.250000
<-8.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-73.000000,-0.000000>,0.250000
<-9.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-73.000000,-0.000000>,0.250000
<-9.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-72.000000,-0.000000>,0.250000
<-10.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-72.000000,-0.000000>,0.250000
<-10.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-71.000000,-0.000000>,0.250000
<-9.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-71.000000,-0.000000>,0.250000
<-9.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-70.000000,-0.000000>,0.250000
<-10.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-70.000000,-0.000000>,0.250000
<-10.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-69.000000,-0.000000>,0.250000
<-9.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-69.000000,-0.000000>,0.250000
<-9.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,-70.000000,-0.000000>,0.250000
<-8.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-70.000000,-0.000000>,0.250000
<-8.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-69.000000,-0.000000>,0.250000
<-7.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-69.000000,-0.000000>,0.250000
<-7.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-68.000000,-0.000000>,0.250000
<-8.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-68.000000,-0.000000>,0.250000
<-8.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-67.000000,-0.000000>,0.250000
<-7.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-67.000000,-0.000000>,0.250000
<-7.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-68.000000,-0.000000>,0.250000
<-6.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-68.000000,-0.000000>,0.250000
<-6.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-69.000000,-0.000000>,0.250000
<-7.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-69.000000,-0.000000>,0.250000
<-7.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-70.000000,-0.000000>,0.250000
<-6.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-70.000000,-0.000000>,0.250000
<-6.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,-69.000000,-0.000000>,0.250000
<-5.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-69.000000,-0.000000>,0.250000
<-5.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-70.000000,-0.000000>,0.250000
<-4.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-70.000000,-0.000000>,0.250000
<-4.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-69.000000,-0.000000>,0.250000
<-3.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-69.000000,-0.000000>,0.250000
<-3.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-68.000000,-0.000000>,0.250000
<-4.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-68.000000,-0.000000>,0.250000
<-4.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-67.000000,-0.000000>,0.250000
<-3.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-67.000000,-0.000000>,0.250000
<-3.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-68.000000,-0.000000>,0.250000
<-2.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-68.000000,-0.000000>,0.250000
<-2.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-69.000000,-0.000000>,0.250000
<-3.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-69.000000,-0.000000>,0.250000
<-3.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-70.000000,-0.000000>,0.250000
<-2.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-70.000000,-0.000000>,0.250000
<-2.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-71.000000,-0.000000>,0.250000
<-3.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-71.000000,-0.000000>,0.250000
<-3.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-70.000000,-0.000000>,0.250000
<-4.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-70.000000,-0.000000>,0.250000
<-4.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-71.000000,-0.000000>,0.250000
<-5.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-71.000000,-0.000000>,0.250000
<-5.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-72.000000,-0.000000>,0.250000
<-4.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-72.000000,-0.000000>,0.250000
<-4.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-71.000000,-0.000000>,0.250000
<-3.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-71.000000,-0.000000>,0.250000
<-3.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-72.000000,-0.000000>,0.250000
<-2.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-72.000000,-0.000000>,0.250000
<-2.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-73.000000,-0.000000>,0.250000
<-3.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-73.000000,-0.000000>,0.250000
<-3.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-74.000000,-0.000000>,0.250000
<-2.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-74.000000,-0.000000>,0.250000
<-2.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-73.000000,-0.000000>,0.250000
<-1.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-73.000000,-0.000000>,0.250000
<-1.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-74.000000,-0.000000>,0.250000
<-0.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-74.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-74.000000,-0.000000>,0.250000
<-0.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-73.000000,-0.000000>,0.250000
<1.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-73.000000,-0.000000>,0.250000
<1.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-72.000000,-0.000000>,0.250000
<-0.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-72.000000,-0.000000>,0.250000
<-0.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-73.000000,-0.000000>,0.250000
<-1.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-73.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-73.000000,-0.000000>,0.250000
<-1.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-72.000000,-0.000000>,0.250000
<-2.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-72.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-72.000000,-0.000000>,0.250000
<-2.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-71.000000,-0.000000>,0.250000
<-1.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-71.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-71.000000,-0.000000>,0.250000
<-1.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-70.000000,-0.000000>,0.250000
<-2.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-70.000000,-0.000000>,0.250000
<-2.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-69.000000,-0.000000>,0.250000
<-1.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-69.000000,-0.000000>,0.250000
<-1.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-70.000000,-0.000000>,0.250000
<-0.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-70.000000,-0.000000>,0.250000
<-0.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-69.000000,-0.000000>,0.250000
<1.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-69.000000,-0.000000>,0.250000
<1.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-68.000000,-0.000000>,0.250000
<-0.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-68.000000,-0.000000>,0.250000
<-0.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-67.000000,-0.000000>,0.250000
<1.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-67.000000,-0.000000>,0.250000
<1.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-68.000000,-0.000000>,0.250000
<2.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-68.000000,-0.000000>,0.250000
<2.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-69.000000,-0.000000>,0.250000
<1.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-69.000000,-0.000000>,0.250000
<1.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-70.000000,-0.000000>,0.250000
<2.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-70.000000,-0.000000>,0.250000
<2.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-69.000000,-0.000000>,0.250000
<3.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-69.000000,-0.000000>,0.250000
<3.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-70.000000,-0.000000>,0.250000
<4.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-70.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-70.000000,-0.000000>,0.250000
<4.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-69.000000,-0.000000>,0.250000
<5.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-69.000000,-0.000000>,0.250000
<5.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-68.000000,-0.000000>,0.250000
<4.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-68.000000,-0.000000>,0.250000
<4.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-69.000000,-0.000000>,0.250000
<3.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-69.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-69.000000,-0.000000>,0.250000
<3.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-68.000000,-0.000000>,0.250000
<2.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-68.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-68.000000,-0.000000>,0.250000
<2.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-67.000000,-0.000000>,0.250000
<3.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-67.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-67.000000,-0.000000>,0.250000
<3.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-66.000000,-0.000000>,0.250000
<2.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-66.000000,-0.000000>,0.250000
<2.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-65.000000,-0.000000>,0.250000
<3.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-65.000000,-0.000000>,0.250000
<3.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-66.000000,-0.000000>,0.250000
<4.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-66.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-66.000000,-0.000000>,0.250000
<4.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-65.000000,-0.000000>,0.250000
<5.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-65.000000,-0.000000>,0.250000
<5.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-64.000000,-0.000000>,0.250000
<4.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-64.000000,-0.000000>,0.250000
<4.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-65.000000,-0.000000>,0.250000
<3.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-65.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-65.000000,-0.000000>,0.250000
<3.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-64.000000,-0.000000>,0.250000
<2.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-64.000000,-0.000000>,0.250000
<2.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-63.000000,-0.000000>,0.250000
<3.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-63.000000,-0.000000>,0.250000
<3.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-62.000000,-0.000000>,0.250000
<2.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-62.000000,-0.000000>,0.250000
<2.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-63.000000,-0.000000>,0.250000
<1.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-63.000000,-0.000000>,0.250000
<1.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-62.000000,-0.000000>,0.250000
<-0.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-62.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-62.000000,-0.000000>,0.250000
<-0.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,-63.000000,-0.000000>,0.250000
<-1.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-63.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-63.000000,-0.000000>,0.250000
<-1.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-64.000000,-0.000000>,0.250000
<-0.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,-64.000000,-0.000000>,0.250000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, -17.000000, 114.000000>
look_at   <0, -17.000000,  0>
}
