#include "colors.inc"
light_source { <254.399994, 254.399994, 254.399994> color White}

cone {
<32.000000,-0.000000,-0.000000>,0.100000
<32.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,1.000000,-0.000000>,0.300000
<31.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,1.000000,-0.000000>,0.300000
<31.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,2.000000,-0.000000>,0.300000
<32.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,2.000000,-0.000000>,0.300000
<33.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,2.000000,-0.000000>,0.300000
<33.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,3.000000,-0.000000>,0.300000
<32.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,3.000000,-0.000000>,0.300000
<32.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,4.000000,-0.000000>,0.300000
<31.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,4.000000,-0.000000>,0.300000
<31.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,3.000000,-0.000000>,0.300000
<30.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,3.000000,-0.000000>,0.300000
<30.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,4.000000,-0.000000>,0.300000
<30.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,5.000000,-0.000000>,0.300000
<29.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,5.000000,-0.000000>,0.300000
<29.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,4.000000,-0.000000>,0.300000
<28.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,4.000000,-0.000000>,0.300000
<28.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,5.000000,-0.000000>,0.300000
<27.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,5.000000,-0.000000>,0.300000
<27.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,6.000000,-0.000000>,0.300000
<28.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,6.000000,-0.000000>,0.300000
<29.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,6.000000,-0.000000>,0.300000
<29.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,7.000000,-0.000000>,0.300000
<28.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,7.000000,-0.000000>,0.300000
<28.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,8.000000,-0.000000>,0.300000
<29.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,8.000000,-0.000000>,0.300000
<29.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,9.000000,-0.000000>,0.300000
<30.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,9.000000,-0.000000>,0.300000
<30.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,8.000000,-0.000000>,0.300000
<30.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,7.000000,-0.000000>,0.300000
<31.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,7.000000,-0.000000>,0.300000
<31.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,8.000000,-0.000000>,0.300000
<32.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,8.000000,-0.000000>,0.300000
<33.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,8.000000,-0.000000>,0.300000
<33.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,9.000000,-0.000000>,0.300000
<34.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,9.000000,-0.000000>,0.300000
<34.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,8.000000,-0.000000>,0.300000
<34.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,7.000000,-0.000000>,0.300000
<35.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,7.000000,-0.000000>,0.300000
<35.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,8.000000,-0.000000>,0.300000
<36.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,8.000000,-0.000000>,0.300000
<36.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,9.000000,-0.000000>,0.300000
<35.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,9.000000,-0.000000>,0.300000
<35.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,10.000000,-0.000000>,0.300000
<36.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,10.000000,-0.000000>,0.300000
<37.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,10.000000,-0.000000>,0.300000
<37.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,11.000000,-0.000000>,0.300000
<36.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,11.000000,-0.000000>,0.300000
<36.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,12.000000,-0.000000>,0.300000
<35.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,12.000000,-0.000000>,0.300000
<35.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,11.000000,-0.000000>,0.300000
<34.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,11.000000,-0.000000>,0.300000
<34.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,12.000000,-0.000000>,0.300000
<34.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,13.000000,-0.000000>,0.300000
<33.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,13.000000,-0.000000>,0.300000
<33.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,12.000000,-0.000000>,0.300000
<32.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,12.000000,-0.000000>,0.300000
<32.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,13.000000,-0.000000>,0.300000
<31.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,13.000000,-0.000000>,0.300000
<31.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,14.000000,-0.000000>,0.300000
<32.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,14.000000,-0.000000>,0.300000
<33.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,14.000000,-0.000000>,0.300000
<33.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,15.000000,-0.000000>,0.300000
<32.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,15.000000,-0.000000>,0.300000
<32.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,16.000000,-0.000000>,0.300000
<31.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,16.000000,-0.000000>,0.300000
<31.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,15.000000,-0.000000>,0.300000
<30.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,15.000000,-0.000000>,0.300000
<30.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,16.000000,-0.000000>,0.300000
<30.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,17.000000,-0.000000>,0.300000
<29.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,17.000000,-0.000000>,0.300000
<29.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,16.000000,-0.000000>,0.300000
<28.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,16.000000,-0.000000>,0.300000
<28.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,15.000000,-0.000000>,0.300000
<29.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,15.000000,-0.000000>,0.300000
<29.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,14.000000,-0.000000>,0.300000
<28.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,14.000000,-0.000000>,0.300000
<27.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,14.000000,-0.000000>,0.300000
<27.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,13.000000,-0.000000>,0.300000
<28.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,13.000000,-0.000000>,0.300000
<28.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,12.000000,-0.000000>,0.300000
<27.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,12.000000,-0.000000>,0.300000
<27.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,11.000000,-0.000000>,0.300000
<26.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,11.000000,-0.000000>,0.300000
<26.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,12.000000,-0.000000>,0.300000
<26.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,13.000000,-0.000000>,0.300000
<25.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,13.000000,-0.000000>,0.300000
<25.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,12.000000,-0.000000>,0.300000
<24.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,12.000000,-0.000000>,0.300000
<24.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,13.000000,-0.000000>,0.300000
<23.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,13.000000,-0.000000>,0.300000
<23.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,14.000000,-0.000000>,0.300000
<24.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,14.000000,-0.000000>,0.300000
<25.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,14.000000,-0.000000>,0.300000
<25.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,15.000000,-0.000000>,0.300000
<24.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,15.000000,-0.000000>,0.300000
<24.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,16.000000,-0.000000>,0.300000
<24.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,17.000000,-0.000000>,0.300000
<23.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,17.000000,-0.000000>,0.300000
<23.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,18.000000,-0.000000>,0.300000
<24.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,18.000000,-0.000000>,0.300000
<25.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,18.000000,-0.000000>,0.300000
<25.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,19.000000,-0.000000>,0.300000
<24.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,19.000000,-0.000000>,0.300000
<24.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,20.000000,-0.000000>,0.300000
<23.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,20.000000,-0.000000>,0.300000
<23.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,19.000000,-0.000000>,0.300000
<22.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,19.000000,-0.000000>,0.300000
<22.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,20.000000,-0.000000>,0.300000
<22.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,21.000000,-0.000000>,0.300000
<21.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,21.000000,-0.000000>,0.300000
<21.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,20.000000,-0.000000>,0.300000
<20.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,20.000000,-0.000000>,0.300000
<20.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,19.000000,-0.000000>,0.300000
<21.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,19.000000,-0.000000>,0.300000
<21.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,18.000000,-0.000000>,0.300000
<20.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,18.000000,-0.000000>,0.300000
<19.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,18.000000,-0.000000>,0.300000
<19.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,17.000000,-0.000000>,0.300000
<20.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,17.000000,-0.000000>,0.300000
<20.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,16.000000,-0.000000>,0.300000
<19.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,16.000000,-0.000000>,0.300000
<19.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,15.000000,-0.000000>,0.300000
<18.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,15.000000,-0.000000>,0.300000
<18.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,16.000000,-0.000000>,0.300000
<18.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,17.000000,-0.000000>,0.300000
<17.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,17.000000,-0.000000>,0.300000
<17.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,16.000000,-0.000000>,0.300000
<16.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,16.000000,-0.000000>,0.300000
<16.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,17.000000,-0.000000>,0.300000
<15.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,17.000000,-0.000000>,0.300000
<15.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,18.000000,-0.000000>,0.300000
<16.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,18.000000,-0.000000>,0.300000
<17.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,18.000000,-0.000000>,0.300000
<17.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,19.000000,-0.000000>,0.300000
<16.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,19.000000,-0.000000>,0.300000
<16.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,20.000000,-0.000000>,0.300000
<15.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,20.000000,-0.000000>,0.300000
<15.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,19.000000,-0.000000>,0.300000
<14.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,19.000000,-0.000000>,0.300000
<14.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,20.000000,-0.000000>,0.300000
<14.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,21.000000,-0.000000>,0.300000
<13.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,21.000000,-0.000000>,0.300000
<13.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,20.000000,-0.000000>,0.300000
<12.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,20.000000,-0.000000>,0.300000
<12.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,21.000000,-0.000000>,0.300000
<11.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,21.000000,-0.000000>,0.300000
<11.000000,22.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,22.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,22.000000,-0.000000>,0.300000
<12.000000,22.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,22.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,22.000000,-0.000000>,0.300000
<13.000000,22.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,22.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,22.000000,-0.000000>,0.300000
<13.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,23.000000,-0.000000>,0.300000
<12.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,23.000000,-0.000000>,0.300000
<12.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,24.000000,-0.000000>,0.300000
<13.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,24.000000,-0.000000>,0.300000
<13.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,25.000000,-0.000000>,0.300000
<14.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,25.000000,-0.000000>,0.300000
<14.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,24.000000,-0.000000>,0.300000
<14.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,23.000000,-0.000000>,0.300000
<15.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,23.000000,-0.000000>,0.300000
<15.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,24.000000,-0.000000>,0.300000
<16.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,24.000000,-0.000000>,0.300000
<17.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,24.000000,-0.000000>,0.300000
<17.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,25.000000,-0.000000>,0.300000
<18.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,25.000000,-0.000000>,0.300000
<18.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,24.000000,-0.000000>,0.300000
<18.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,23.000000,-0.000000>,0.300000
<19.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,23.000000,-0.000000>,0.300000
<19.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,24.000000,-0.000000>,0.300000
<20.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,24.000000,-0.000000>,0.300000
<20.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,25.000000,-0.000000>,0.300000
<19.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,25.000000,-0.000000>,0.300000
<19.000000,26.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,26.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,26.000000,-0.000000>,0.300000
<20.000000,26.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,26.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,26.000000,-0.000000>,0.300000
<21.000000,26.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,26.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,26.000000,-0.000000>,0.300000
<21.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,27.000000,-0.000000>,0.300000
<20.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,27.000000,-0.000000>,0.300000
<20.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,28.000000,-0.000000>,0.300000
<19.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,28.000000,-0.000000>,0.300000
<19.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,27.000000,-0.000000>,0.300000
<18.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,27.000000,-0.000000>,0.300000
<18.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,28.000000,-0.000000>,0.300000
<18.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,29.000000,-0.000000>,0.300000
<17.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,29.000000,-0.000000>,0.300000
<17.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,28.000000,-0.000000>,0.300000
<16.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,28.000000,-0.000000>,0.300000
<16.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,29.000000,-0.000000>,0.300000
<15.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,29.000000,-0.000000>,0.300000
<15.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,30.000000,-0.000000>,0.300000
<16.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,30.000000,-0.000000>,0.300000
<17.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,30.000000,-0.000000>,0.300000
<17.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,31.000000,-0.000000>,0.300000
<16.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,31.000000,-0.000000>,0.300000
<16.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,32.000000,-0.000000>,0.300000
<17.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,32.000000,-0.000000>,0.300000
<17.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,33.000000,-0.000000>,0.300000
<18.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,33.000000,-0.000000>,0.300000
<18.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,32.000000,-0.000000>,0.300000
<18.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,31.000000,-0.000000>,0.300000
<19.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,31.000000,-0.000000>,0.300000
<19.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,32.000000,-0.000000>,0.300000
<20.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,32.000000,-0.000000>,0.300000
<20.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,33.000000,-0.000000>,0.300000
<19.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,33.000000,-0.000000>,0.300000
<19.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,34.000000,-0.000000>,0.300000
<20.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,34.000000,-0.000000>,0.300000
<21.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,34.000000,-0.000000>,0.300000
<21.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,35.000000,-0.000000>,0.300000
<20.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,35.000000,-0.000000>,0.300000
<20.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,36.000000,-0.000000>,0.300000
<21.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,36.000000,-0.000000>,0.300000
<21.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,37.000000,-0.000000>,0.300000
<22.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,37.000000,-0.000000>,0.300000
<22.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,36.000000,-0.000000>,0.300000
<22.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,35.000000,-0.000000>,0.300000
<23.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,35.000000,-0.000000>,0.300000
<23.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,36.000000,-0.000000>,0.300000
<24.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,36.000000,-0.000000>,0.300000
<24.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,35.000000,-0.000000>,0.300000
<25.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,35.000000,-0.000000>,0.300000
<25.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,34.000000,-0.000000>,0.300000
<24.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,34.000000,-0.000000>,0.300000
<23.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,34.000000,-0.000000>,0.300000
<23.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,33.000000,-0.000000>,0.300000
<24.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,33.000000,-0.000000>,0.300000
<24.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,32.000000,-0.000000>,0.300000
<24.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,31.000000,-0.000000>,0.300000
<25.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,31.000000,-0.000000>,0.300000
<25.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,30.000000,-0.000000>,0.300000
<24.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,30.000000,-0.000000>,0.300000
<23.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,30.000000,-0.000000>,0.300000
<23.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,29.000000,-0.000000>,0.300000
<24.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,29.000000,-0.000000>,0.300000
<24.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,28.000000,-0.000000>,0.300000
<25.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,28.000000,-0.000000>,0.300000
<25.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,29.000000,-0.000000>,0.300000
<26.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,29.000000,-0.000000>,0.300000
<26.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,28.000000,-0.000000>,0.300000
<26.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,27.000000,-0.000000>,0.300000
<27.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,27.000000,-0.000000>,0.300000
<27.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,28.000000,-0.000000>,0.300000
<28.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,28.000000,-0.000000>,0.300000
<28.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,29.000000,-0.000000>,0.300000
<27.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,29.000000,-0.000000>,0.300000
<27.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,30.000000,-0.000000>,0.300000
<28.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,30.000000,-0.000000>,0.300000
<29.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,30.000000,-0.000000>,0.300000
<29.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,31.000000,-0.000000>,0.300000
<28.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,31.000000,-0.000000>,0.300000
<28.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,32.000000,-0.000000>,0.300000
<29.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,32.000000,-0.000000>,0.300000
<29.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,33.000000,-0.000000>,0.300000
<30.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,33.000000,-0.000000>,0.300000
<30.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,32.000000,-0.000000>,0.300000
<30.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,31.000000,-0.000000>,0.300000
<31.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,31.000000,-0.000000>,0.300000
<31.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,32.000000,-0.000000>,0.300000
<32.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,32.000000,-0.000000>,0.300000
<33.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,32.000000,-0.000000>,0.300000
<33.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,33.000000,-0.000000>,0.300000
<34.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,33.000000,-0.000000>,0.300000
<34.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,32.000000,-0.000000>,0.300000
<34.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,31.000000,-0.000000>,0.300000
<35.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,31.000000,-0.000000>,0.300000
<35.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,32.000000,-0.000000>,0.300000
<36.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,32.000000,-0.000000>,0.300000
<36.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,33.000000,-0.000000>,0.300000
<35.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,33.000000,-0.000000>,0.300000
<35.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,34.000000,-0.000000>,0.300000
<36.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,34.000000,-0.000000>,0.300000
<37.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,34.000000,-0.000000>,0.300000
<37.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,35.000000,-0.000000>,0.300000
<36.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,35.000000,-0.000000>,0.300000
<36.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,36.000000,-0.000000>,0.300000
<37.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,36.000000,-0.000000>,0.300000
<37.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,37.000000,-0.000000>,0.300000
<38.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,37.000000,-0.000000>,0.300000
<38.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,36.000000,-0.000000>,0.300000
<38.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,35.000000,-0.000000>,0.300000
<39.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,35.000000,-0.000000>,0.300000
<39.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,36.000000,-0.000000>,0.300000
<40.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,36.000000,-0.000000>,0.300000
<40.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,35.000000,-0.000000>,0.300000
<41.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,35.000000,-0.000000>,0.300000
<41.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,34.000000,-0.000000>,0.300000
<40.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,34.000000,-0.000000>,0.300000
<39.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,34.000000,-0.000000>,0.300000
<39.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,33.000000,-0.000000>,0.300000
<40.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,33.000000,-0.000000>,0.300000
<40.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,32.000000,-0.000000>,0.300000
<40.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,31.000000,-0.000000>,0.300000
<41.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,31.000000,-0.000000>,0.300000
<41.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,30.000000,-0.000000>,0.300000
<40.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,30.000000,-0.000000>,0.300000
<39.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,30.000000,-0.000000>,0.300000
<39.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,29.000000,-0.000000>,0.300000
<40.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,29.000000,-0.000000>,0.300000
<40.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,28.000000,-0.000000>,0.300000
<41.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,28.000000,-0.000000>,0.300000
<41.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,29.000000,-0.000000>,0.300000
<42.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,29.000000,-0.000000>,0.300000
<42.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,28.000000,-0.000000>,0.300000
<42.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,27.000000,-0.000000>,0.300000
<43.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.000000,27.000000,-0.000000>,0.300000
<43.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.000000,28.000000,-0.000000>,0.300000
<44.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.000000,28.000000,-0.000000>,0.300000
<44.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.000000,29.000000,-0.000000>,0.300000
<43.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.000000,29.000000,-0.000000>,0.300000
<43.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.000000,30.000000,-0.000000>,0.300000
<44.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.000000,30.000000,-0.000000>,0.300000
<45.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.000000,30.000000,-0.000000>,0.300000
<45.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.000000,31.000000,-0.000000>,0.300000
<44.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.000000,31.000000,-0.000000>,0.300000
<44.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.000000,32.000000,-0.000000>,0.300000
<45.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.000000,32.000000,-0.000000>,0.300000
<45.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.000000,33.000000,-0.000000>,0.300000
<46.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.000000,33.000000,-0.000000>,0.300000
<46.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.000000,32.000000,-0.000000>,0.300000
<46.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.000000,31.000000,-0.000000>,0.300000
<47.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.000000,31.000000,-0.000000>,0.300000
<47.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.000000,32.000000,-0.000000>,0.300000
<48.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.000000,32.000000,-0.000000>,0.300000
<48.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.000000,33.000000,-0.000000>,0.300000
<47.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.000000,33.000000,-0.000000>,0.300000
<47.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.000000,34.000000,-0.000000>,0.300000
<48.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.000000,34.000000,-0.000000>,0.300000
<49.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.000000,34.000000,-0.000000>,0.300000
<49.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.000000,35.000000,-0.000000>,0.300000
<48.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.000000,35.000000,-0.000000>,0.300000
<48.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.000000,36.000000,-0.000000>,0.300000
<47.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.000000,36.000000,-0.000000>,0.300000
<47.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.000000,35.000000,-0.000000>,0.300000
<46.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.000000,35.000000,-0.000000>,0.300000
<46.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.000000,36.000000,-0.000000>,0.300000
<46.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.000000,37.000000,-0.000000>,0.300000
<45.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.000000,37.000000,-0.000000>,0.300000
<45.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.000000,36.000000,-0.000000>,0.300000
<44.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.000000,36.000000,-0.000000>,0.300000
<44.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.000000,37.000000,-0.000000>,0.300000
<43.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.000000,37.000000,-0.000000>,0.300000
<43.000000,38.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.000000,38.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.000000,38.000000,-0.000000>,0.300000
<44.000000,38.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.000000,38.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.000000,38.000000,-0.000000>,0.300000
<45.000000,38.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.000000,38.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.000000,38.000000,-0.000000>,0.300000
<45.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.000000,39.000000,-0.000000>,0.300000
<44.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.000000,39.000000,-0.000000>,0.300000
<44.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.000000,40.000000,-0.000000>,0.300000
<45.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.000000,40.000000,-0.000000>,0.300000
<45.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.000000,41.000000,-0.000000>,0.300000
<46.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.000000,41.000000,-0.000000>,0.300000
<46.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.000000,40.000000,-0.000000>,0.300000
<46.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.000000,39.000000,-0.000000>,0.300000
<47.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.000000,39.000000,-0.000000>,0.300000
<47.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.000000,40.000000,-0.000000>,0.300000
<48.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.000000,40.000000,-0.000000>,0.300000
<49.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.000000,40.000000,-0.000000>,0.300000
<49.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.000000,41.000000,-0.000000>,0.300000
<50.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.000000,41.000000,-0.000000>,0.300000
<50.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.000000,40.000000,-0.000000>,0.300000
<50.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.000000,39.000000,-0.000000>,0.300000
<51.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.000000,39.000000,-0.000000>,0.300000
<51.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.000000,40.000000,-0.000000>,0.300000
<52.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.000000,40.000000,-0.000000>,0.300000
<52.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.000000,41.000000,-0.000000>,0.300000
<51.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.000000,41.000000,-0.000000>,0.300000
<51.000000,42.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.000000,42.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.000000,42.000000,-0.000000>,0.300000
<52.000000,42.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.000000,42.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.000000,42.000000,-0.000000>,0.300000
<53.000000,42.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.000000,42.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.000000,42.000000,-0.000000>,0.300000
<53.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<53.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<53.000000,43.000000,-0.000000>,0.300000
<52.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.000000,43.000000,-0.000000>,0.300000
<52.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<52.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<52.000000,44.000000,-0.000000>,0.300000
<51.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.000000,44.000000,-0.000000>,0.300000
<51.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<51.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<51.000000,43.000000,-0.000000>,0.300000
<50.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.000000,43.000000,-0.000000>,0.300000
<50.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.000000,44.000000,-0.000000>,0.300000
<50.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<50.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<50.000000,45.000000,-0.000000>,0.300000
<49.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.000000,45.000000,-0.000000>,0.300000
<49.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.000000,44.000000,-0.000000>,0.300000
<48.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.000000,44.000000,-0.000000>,0.300000
<48.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.000000,45.000000,-0.000000>,0.300000
<47.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.000000,45.000000,-0.000000>,0.300000
<47.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.000000,46.000000,-0.000000>,0.300000
<48.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.000000,46.000000,-0.000000>,0.300000
<49.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.000000,46.000000,-0.000000>,0.300000
<49.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<49.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<49.000000,47.000000,-0.000000>,0.300000
<48.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.000000,47.000000,-0.000000>,0.300000
<48.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<48.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<48.000000,48.000000,-0.000000>,0.300000
<47.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.000000,48.000000,-0.000000>,0.300000
<47.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<47.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<47.000000,47.000000,-0.000000>,0.300000
<46.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.000000,47.000000,-0.000000>,0.300000
<46.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.000000,48.000000,-0.000000>,0.300000
<46.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<46.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<46.000000,49.000000,-0.000000>,0.300000
<45.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.000000,49.000000,-0.000000>,0.300000
<45.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.000000,48.000000,-0.000000>,0.300000
<44.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.000000,48.000000,-0.000000>,0.300000
<44.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.000000,47.000000,-0.000000>,0.300000
<45.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.000000,47.000000,-0.000000>,0.300000
<45.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<45.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<45.000000,46.000000,-0.000000>,0.300000
<44.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.000000,46.000000,-0.000000>,0.300000
<43.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.000000,46.000000,-0.000000>,0.300000
<43.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.000000,45.000000,-0.000000>,0.300000
<44.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.000000,45.000000,-0.000000>,0.300000
<44.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<44.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<44.000000,44.000000,-0.000000>,0.300000
<43.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.000000,44.000000,-0.000000>,0.300000
<43.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<43.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<43.000000,43.000000,-0.000000>,0.300000
<42.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,43.000000,-0.000000>,0.300000
<42.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,44.000000,-0.000000>,0.300000
<42.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<42.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<42.000000,45.000000,-0.000000>,0.300000
<41.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,45.000000,-0.000000>,0.300000
<41.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,44.000000,-0.000000>,0.300000
<40.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,44.000000,-0.000000>,0.300000
<40.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,45.000000,-0.000000>,0.300000
<39.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,45.000000,-0.000000>,0.300000
<39.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,46.000000,-0.000000>,0.300000
<40.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,46.000000,-0.000000>,0.300000
<41.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,46.000000,-0.000000>,0.300000
<41.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,47.000000,-0.000000>,0.300000
<40.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,47.000000,-0.000000>,0.300000
<40.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,48.000000,-0.000000>,0.300000
<40.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,49.000000,-0.000000>,0.300000
<39.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,49.000000,-0.000000>,0.300000
<39.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,50.000000,-0.000000>,0.300000
<40.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,50.000000,-0.000000>,0.300000
<41.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,50.000000,-0.000000>,0.300000
<41.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<41.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<41.000000,51.000000,-0.000000>,0.300000
<40.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,51.000000,-0.000000>,0.300000
<40.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<40.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<40.000000,52.000000,-0.000000>,0.300000
<39.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,52.000000,-0.000000>,0.300000
<39.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<39.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<39.000000,51.000000,-0.000000>,0.300000
<38.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,51.000000,-0.000000>,0.300000
<38.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,52.000000,-0.000000>,0.300000
<38.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<38.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<38.000000,53.000000,-0.000000>,0.300000
<37.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,53.000000,-0.000000>,0.300000
<37.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,52.000000,-0.000000>,0.300000
<36.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,52.000000,-0.000000>,0.300000
<36.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,51.000000,-0.000000>,0.300000
<37.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,51.000000,-0.000000>,0.300000
<37.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,50.000000,-0.000000>,0.300000
<36.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,50.000000,-0.000000>,0.300000
<35.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,50.000000,-0.000000>,0.300000
<35.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,49.000000,-0.000000>,0.300000
<36.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,49.000000,-0.000000>,0.300000
<36.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,48.000000,-0.000000>,0.300000
<35.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,48.000000,-0.000000>,0.300000
<35.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,47.000000,-0.000000>,0.300000
<34.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,47.000000,-0.000000>,0.300000
<34.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,48.000000,-0.000000>,0.300000
<34.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,49.000000,-0.000000>,0.300000
<33.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,49.000000,-0.000000>,0.300000
<33.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,48.000000,-0.000000>,0.300000
<32.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,48.000000,-0.000000>,0.300000
<32.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,49.000000,-0.000000>,0.300000
<31.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,49.000000,-0.000000>,0.300000
<31.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,50.000000,-0.000000>,0.300000
<32.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,50.000000,-0.000000>,0.300000
<33.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,50.000000,-0.000000>,0.300000
<33.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,51.000000,-0.000000>,0.300000
<32.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,51.000000,-0.000000>,0.300000
<32.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,52.000000,-0.000000>,0.300000
<31.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,52.000000,-0.000000>,0.300000
<31.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,51.000000,-0.000000>,0.300000
<30.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,51.000000,-0.000000>,0.300000
<30.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,52.000000,-0.000000>,0.300000
<30.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,53.000000,-0.000000>,0.300000
<29.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,53.000000,-0.000000>,0.300000
<29.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,52.000000,-0.000000>,0.300000
<28.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,52.000000,-0.000000>,0.300000
<28.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,53.000000,-0.000000>,0.300000
<27.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,53.000000,-0.000000>,0.300000
<27.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,54.000000,-0.000000>,0.300000
<28.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,54.000000,-0.000000>,0.300000
<29.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,54.000000,-0.000000>,0.300000
<29.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,55.000000,-0.000000>,0.300000
<28.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,55.000000,-0.000000>,0.300000
<28.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,56.000000,-0.000000>,0.300000
<29.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,56.000000,-0.000000>,0.300000
<29.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,57.000000,-0.000000>,0.300000
<30.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,57.000000,-0.000000>,0.300000
<30.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,56.000000,-0.000000>,0.300000
<30.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,55.000000,-0.000000>,0.300000
<31.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,55.000000,-0.000000>,0.300000
<31.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,56.000000,-0.000000>,0.300000
<32.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,56.000000,-0.000000>,0.300000
<33.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,56.000000,-0.000000>,0.300000
<33.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,57.000000,-0.000000>,0.300000
<34.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,57.000000,-0.000000>,0.300000
<34.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,56.000000,-0.000000>,0.300000
<34.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,55.000000,-0.000000>,0.300000
<35.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,55.000000,-0.000000>,0.300000
<35.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,56.000000,-0.000000>,0.300000
<36.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,56.000000,-0.000000>,0.300000
<36.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,57.000000,-0.000000>,0.300000
<35.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,57.000000,-0.000000>,0.300000
<35.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,58.000000,-0.000000>,0.300000
<36.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,58.000000,-0.000000>,0.300000
<37.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,58.000000,-0.000000>,0.300000
<37.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<37.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<37.000000,59.000000,-0.000000>,0.300000
<36.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,59.000000,-0.000000>,0.300000
<36.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<36.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<36.000000,60.000000,-0.000000>,0.300000
<35.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,60.000000,-0.000000>,0.300000
<35.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<35.000000,59.000000,-0.000000>,0.300000
<34.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,59.000000,-0.000000>,0.300000
<34.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,60.000000,-0.000000>,0.300000
<34.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.000000,61.000000,-0.000000>,0.300000
<33.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,61.000000,-0.000000>,0.300000
<33.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,60.000000,-0.000000>,0.300000
<32.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,60.000000,-0.000000>,0.300000
<32.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,61.000000,-0.000000>,0.300000
<31.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,61.000000,-0.000000>,0.300000
<31.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,62.000000,-0.000000>,0.300000
<32.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,62.000000,-0.000000>,0.300000
<33.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,62.000000,-0.000000>,0.300000
<33.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.000000,63.000000,-0.000000>,0.300000
<32.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,63.000000,-0.000000>,0.300000
<32.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.000000,64.000000,-0.000000>,0.300000
<31.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,64.000000,-0.000000>,0.300000
<31.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,63.000000,-0.000000>,0.300000
<30.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,63.000000,-0.000000>,0.300000
<30.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,64.000000,-0.000000>,0.300000
<30.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,65.000000,-0.000000>,0.300000
<29.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,65.000000,-0.000000>,0.300000
<29.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,64.000000,-0.000000>,0.300000
<28.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,64.000000,-0.000000>,0.300000
<28.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,63.000000,-0.000000>,0.300000
<29.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,63.000000,-0.000000>,0.300000
<29.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,62.000000,-0.000000>,0.300000
<28.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,62.000000,-0.000000>,0.300000
<27.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,62.000000,-0.000000>,0.300000
<27.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,61.000000,-0.000000>,0.300000
<28.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,61.000000,-0.000000>,0.300000
<28.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,60.000000,-0.000000>,0.300000
<27.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,60.000000,-0.000000>,0.300000
<27.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,59.000000,-0.000000>,0.300000
<26.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,59.000000,-0.000000>,0.300000
<26.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,60.000000,-0.000000>,0.300000
<26.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,61.000000,-0.000000>,0.300000
<25.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,61.000000,-0.000000>,0.300000
<25.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,60.000000,-0.000000>,0.300000
<24.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,60.000000,-0.000000>,0.300000
<24.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,61.000000,-0.000000>,0.300000
<23.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,61.000000,-0.000000>,0.300000
<23.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,62.000000,-0.000000>,0.300000
<24.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,62.000000,-0.000000>,0.300000
<25.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,62.000000,-0.000000>,0.300000
<25.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,63.000000,-0.000000>,0.300000
<24.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,63.000000,-0.000000>,0.300000
<24.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,64.000000,-0.000000>,0.300000
<24.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,65.000000,-0.000000>,0.300000
<23.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,65.000000,-0.000000>,0.300000
<23.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,66.000000,-0.000000>,0.300000
<24.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,66.000000,-0.000000>,0.300000
<25.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,66.000000,-0.000000>,0.300000
<25.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,67.000000,-0.000000>,0.300000
<24.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,67.000000,-0.000000>,0.300000
<24.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,68.000000,-0.000000>,0.300000
<23.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,68.000000,-0.000000>,0.300000
<23.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,67.000000,-0.000000>,0.300000
<22.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,67.000000,-0.000000>,0.300000
<22.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,68.000000,-0.000000>,0.300000
<22.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,69.000000,-0.000000>,0.300000
<21.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,69.000000,-0.000000>,0.300000
<21.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,68.000000,-0.000000>,0.300000
<20.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,68.000000,-0.000000>,0.300000
<20.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,67.000000,-0.000000>,0.300000
<21.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,67.000000,-0.000000>,0.300000
<21.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,66.000000,-0.000000>,0.300000
<20.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,66.000000,-0.000000>,0.300000
<19.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,66.000000,-0.000000>,0.300000
<19.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,65.000000,-0.000000>,0.300000
<20.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,65.000000,-0.000000>,0.300000
<20.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,64.000000,-0.000000>,0.300000
<19.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,64.000000,-0.000000>,0.300000
<19.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,63.000000,-0.000000>,0.300000
<18.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,63.000000,-0.000000>,0.300000
<18.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,64.000000,-0.000000>,0.300000
<18.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,65.000000,-0.000000>,0.300000
<17.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,65.000000,-0.000000>,0.300000
<17.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,64.000000,-0.000000>,0.300000
<16.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,64.000000,-0.000000>,0.300000
<16.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,63.000000,-0.000000>,0.300000
<17.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,63.000000,-0.000000>,0.300000
<17.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,62.000000,-0.000000>,0.300000
<16.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,62.000000,-0.000000>,0.300000
<15.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,62.000000,-0.000000>,0.300000
<15.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,61.000000,-0.000000>,0.300000
<16.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,61.000000,-0.000000>,0.300000
<16.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,60.000000,-0.000000>,0.300000
<17.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,60.000000,-0.000000>,0.300000
<17.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,61.000000,-0.000000>,0.300000
<18.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,61.000000,-0.000000>,0.300000
<18.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,60.000000,-0.000000>,0.300000
<18.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,59.000000,-0.000000>,0.300000
<19.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,59.000000,-0.000000>,0.300000
<19.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,60.000000,-0.000000>,0.300000
<20.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,60.000000,-0.000000>,0.300000
<20.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,59.000000,-0.000000>,0.300000
<21.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,59.000000,-0.000000>,0.300000
<21.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,58.000000,-0.000000>,0.300000
<20.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,58.000000,-0.000000>,0.300000
<19.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,58.000000,-0.000000>,0.300000
<19.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,57.000000,-0.000000>,0.300000
<20.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,57.000000,-0.000000>,0.300000
<20.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,56.000000,-0.000000>,0.300000
<19.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,56.000000,-0.000000>,0.300000
<19.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,55.000000,-0.000000>,0.300000
<18.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,55.000000,-0.000000>,0.300000
<18.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,56.000000,-0.000000>,0.300000
<18.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,57.000000,-0.000000>,0.300000
<17.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,57.000000,-0.000000>,0.300000
<17.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,56.000000,-0.000000>,0.300000
<16.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,56.000000,-0.000000>,0.300000
<15.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,56.000000,-0.000000>,0.300000
<15.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,55.000000,-0.000000>,0.300000
<14.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,55.000000,-0.000000>,0.300000
<14.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,56.000000,-0.000000>,0.300000
<14.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,57.000000,-0.000000>,0.300000
<13.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,57.000000,-0.000000>,0.300000
<13.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,56.000000,-0.000000>,0.300000
<12.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,56.000000,-0.000000>,0.300000
<12.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,55.000000,-0.000000>,0.300000
<13.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,55.000000,-0.000000>,0.300000
<13.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,54.000000,-0.000000>,0.300000
<12.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,54.000000,-0.000000>,0.300000
<11.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,54.000000,-0.000000>,0.300000
<11.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,53.000000,-0.000000>,0.300000
<12.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,53.000000,-0.000000>,0.300000
<12.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,52.000000,-0.000000>,0.300000
<13.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,52.000000,-0.000000>,0.300000
<13.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,53.000000,-0.000000>,0.300000
<14.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,53.000000,-0.000000>,0.300000
<14.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,52.000000,-0.000000>,0.300000
<14.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,51.000000,-0.000000>,0.300000
<15.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,51.000000,-0.000000>,0.300000
<15.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,52.000000,-0.000000>,0.300000
<16.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,52.000000,-0.000000>,0.300000
<16.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,51.000000,-0.000000>,0.300000
<17.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,51.000000,-0.000000>,0.300000
<17.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,50.000000,-0.000000>,0.300000
<16.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,50.000000,-0.000000>,0.300000
<15.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,50.000000,-0.000000>,0.300000
<15.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,49.000000,-0.000000>,0.300000
<16.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,49.000000,-0.000000>,0.300000
<16.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,48.000000,-0.000000>,0.300000
<15.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,48.000000,-0.000000>,0.300000
<15.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,47.000000,-0.000000>,0.300000
<14.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,47.000000,-0.000000>,0.300000
<14.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,48.000000,-0.000000>,0.300000
<14.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,49.000000,-0.000000>,0.300000
<13.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,49.000000,-0.000000>,0.300000
<13.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,48.000000,-0.000000>,0.300000
<12.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,48.000000,-0.000000>,0.300000
<12.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,47.000000,-0.000000>,0.300000
<13.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,47.000000,-0.000000>,0.300000
<13.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,46.000000,-0.000000>,0.300000
<12.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,46.000000,-0.000000>,0.300000
<11.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,46.000000,-0.000000>,0.300000
<11.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,45.000000,-0.000000>,0.300000
<12.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,45.000000,-0.000000>,0.300000
<12.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,44.000000,-0.000000>,0.300000
<11.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,44.000000,-0.000000>,0.300000
<11.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,43.000000,-0.000000>,0.300000
<10.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,43.000000,-0.000000>,0.300000
<10.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,44.000000,-0.000000>,0.300000
<10.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,45.000000,-0.000000>,0.300000
<9.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,45.000000,-0.000000>,0.300000
<9.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,44.000000,-0.000000>,0.300000
<8.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,44.000000,-0.000000>,0.300000
<8.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,45.000000,-0.000000>,0.300000
<7.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,45.000000,-0.000000>,0.300000
<7.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,46.000000,-0.000000>,0.300000
<8.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,46.000000,-0.000000>,0.300000
<9.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,46.000000,-0.000000>,0.300000
<9.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,47.000000,-0.000000>,0.300000
<8.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,47.000000,-0.000000>,0.300000
<8.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,48.000000,-0.000000>,0.300000
<8.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,49.000000,-0.000000>,0.300000
<7.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,49.000000,-0.000000>,0.300000
<7.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,50.000000,-0.000000>,0.300000
<8.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,50.000000,-0.000000>,0.300000
<9.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,50.000000,-0.000000>,0.300000
<9.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,51.000000,-0.000000>,0.300000
<8.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,51.000000,-0.000000>,0.300000
<8.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,52.000000,-0.000000>,0.300000
<7.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,52.000000,-0.000000>,0.300000
<7.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,51.000000,-0.000000>,0.300000
<6.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,51.000000,-0.000000>,0.300000
<6.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,52.000000,-0.000000>,0.300000
<6.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,53.000000,-0.000000>,0.300000
<5.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,53.000000,-0.000000>,0.300000
<5.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,52.000000,-0.000000>,0.300000
<4.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,52.000000,-0.000000>,0.300000
<4.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,51.000000,-0.000000>,0.300000
<5.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,51.000000,-0.000000>,0.300000
<5.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,50.000000,-0.000000>,0.300000
<4.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,50.000000,-0.000000>,0.300000
<3.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,50.000000,-0.000000>,0.300000
<3.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,49.000000,-0.000000>,0.300000
<4.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,49.000000,-0.000000>,0.300000
<4.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,48.000000,-0.000000>,0.300000
<3.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,48.000000,-0.000000>,0.300000
<3.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,47.000000,-0.000000>,0.300000
<2.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,47.000000,-0.000000>,0.300000
<2.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,48.000000,-0.000000>,0.300000
<2.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,49.000000,-0.000000>,0.300000
<1.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,49.000000,-0.000000>,0.300000
<1.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,48.000000,-0.000000>,0.300000
<0.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.000000,-0.000000>,0.300000
<0.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,49.000000,-0.000000>,0.300000
<-1.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,49.000000,-0.000000>,0.300000
<-1.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,50.000000,-0.000000>,0.300000
<0.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.300000
<1.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,50.000000,-0.000000>,0.300000
<1.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,51.000000,-0.000000>,0.300000
<0.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,51.000000,-0.000000>,0.300000
<0.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.000000,-0.000000>,0.300000
<-1.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,52.000000,-0.000000>,0.300000
<-1.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,51.000000,-0.000000>,0.300000
<-2.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,51.000000,-0.000000>,0.300000
<-2.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,52.000000,-0.000000>,0.300000
<-2.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,53.000000,-0.000000>,0.300000
<-3.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,53.000000,-0.000000>,0.300000
<-3.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,52.000000,-0.000000>,0.300000
<-4.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,52.000000,-0.000000>,0.300000
<-4.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,53.000000,-0.000000>,0.300000
<-5.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,53.000000,-0.000000>,0.300000
<-5.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,54.000000,-0.000000>,0.300000
<-4.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,54.000000,-0.000000>,0.300000
<-3.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,54.000000,-0.000000>,0.300000
<-3.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,55.000000,-0.000000>,0.300000
<-4.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,55.000000,-0.000000>,0.300000
<-4.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,56.000000,-0.000000>,0.300000
<-3.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,56.000000,-0.000000>,0.300000
<-3.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,57.000000,-0.000000>,0.300000
<-2.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,57.000000,-0.000000>,0.300000
<-2.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,56.000000,-0.000000>,0.300000
<-2.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,55.000000,-0.000000>,0.300000
<-1.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,55.000000,-0.000000>,0.300000
<-1.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,56.000000,-0.000000>,0.300000
<0.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,56.000000,-0.000000>,0.300000
<1.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,56.000000,-0.000000>,0.300000
<1.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,57.000000,-0.000000>,0.300000
<2.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,57.000000,-0.000000>,0.300000
<2.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,56.000000,-0.000000>,0.300000
<2.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,55.000000,-0.000000>,0.300000
<3.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,55.000000,-0.000000>,0.300000
<3.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,56.000000,-0.000000>,0.300000
<4.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,56.000000,-0.000000>,0.300000
<4.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,57.000000,-0.000000>,0.300000
<3.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,57.000000,-0.000000>,0.300000
<3.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,58.000000,-0.000000>,0.300000
<4.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,58.000000,-0.000000>,0.300000
<5.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,58.000000,-0.000000>,0.300000
<5.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,59.000000,-0.000000>,0.300000
<4.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,59.000000,-0.000000>,0.300000
<4.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,60.000000,-0.000000>,0.300000
<3.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,60.000000,-0.000000>,0.300000
<3.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,59.000000,-0.000000>,0.300000
<2.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,59.000000,-0.000000>,0.300000
<2.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,60.000000,-0.000000>,0.300000
<2.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,61.000000,-0.000000>,0.300000
<1.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,61.000000,-0.000000>,0.300000
<1.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,60.000000,-0.000000>,0.300000
<0.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,60.000000,-0.000000>,0.300000
<0.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,61.000000,-0.000000>,0.300000
<-1.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,61.000000,-0.000000>,0.300000
<-1.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,62.000000,-0.000000>,0.300000
<0.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,62.000000,-0.000000>,0.300000
<1.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,62.000000,-0.000000>,0.300000
<1.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,63.000000,-0.000000>,0.300000
<0.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,63.000000,-0.000000>,0.300000
<0.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,64.000000,-0.000000>,0.300000
<0.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,65.000000,-0.000000>,0.300000
<-1.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,65.000000,-0.000000>,0.300000
<-1.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,66.000000,-0.000000>,0.300000
<0.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,66.000000,-0.000000>,0.300000
<1.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,66.000000,-0.000000>,0.300000
<1.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,67.000000,-0.000000>,0.300000
<0.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,67.000000,-0.000000>,0.300000
<0.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,68.000000,-0.000000>,0.300000
<-1.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,68.000000,-0.000000>,0.300000
<-1.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,67.000000,-0.000000>,0.300000
<-2.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,67.000000,-0.000000>,0.300000
<-2.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,68.000000,-0.000000>,0.300000
<-2.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,69.000000,-0.000000>,0.300000
<-3.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,69.000000,-0.000000>,0.300000
<-3.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,68.000000,-0.000000>,0.300000
<-4.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,68.000000,-0.000000>,0.300000
<-4.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,69.000000,-0.000000>,0.300000
<-5.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,69.000000,-0.000000>,0.300000
<-5.000000,70.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,70.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,70.000000,-0.000000>,0.300000
<-4.000000,70.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,70.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,70.000000,-0.000000>,0.300000
<-3.000000,70.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,70.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,70.000000,-0.000000>,0.300000
<-3.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,71.000000,-0.000000>,0.300000
<-4.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,71.000000,-0.000000>,0.300000
<-4.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,72.000000,-0.000000>,0.300000
<-3.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,72.000000,-0.000000>,0.300000
<-3.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,73.000000,-0.000000>,0.300000
<-2.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,73.000000,-0.000000>,0.300000
<-2.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,72.000000,-0.000000>,0.300000
<-2.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,71.000000,-0.000000>,0.300000
<-1.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,71.000000,-0.000000>,0.300000
<-1.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,72.000000,-0.000000>,0.300000
<0.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,72.000000,-0.000000>,0.300000
<1.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,72.000000,-0.000000>,0.300000
<1.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,73.000000,-0.000000>,0.300000
<2.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,73.000000,-0.000000>,0.300000
<2.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,72.000000,-0.000000>,0.300000
<2.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,71.000000,-0.000000>,0.300000
<3.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,71.000000,-0.000000>,0.300000
<3.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,72.000000,-0.000000>,0.300000
<4.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,72.000000,-0.000000>,0.300000
<4.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,73.000000,-0.000000>,0.300000
<3.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,73.000000,-0.000000>,0.300000
<3.000000,74.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,74.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,74.000000,-0.000000>,0.300000
<4.000000,74.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,74.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,74.000000,-0.000000>,0.300000
<5.000000,74.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,74.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,74.000000,-0.000000>,0.300000
<5.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,75.000000,-0.000000>,0.300000
<4.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,75.000000,-0.000000>,0.300000
<4.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,76.000000,-0.000000>,0.300000
<3.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,76.000000,-0.000000>,0.300000
<3.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,75.000000,-0.000000>,0.300000
<2.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,75.000000,-0.000000>,0.300000
<2.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,76.000000,-0.000000>,0.300000
<2.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,77.000000,-0.000000>,0.300000
<1.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,77.000000,-0.000000>,0.300000
<1.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,76.000000,-0.000000>,0.300000
<0.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,76.000000,-0.000000>,0.300000
<0.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,77.000000,-0.000000>,0.300000
<-1.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,77.000000,-0.000000>,0.300000
<-1.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,78.000000,-0.000000>,0.300000
<0.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,78.000000,-0.000000>,0.300000
<1.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,78.000000,-0.000000>,0.300000
<1.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,79.000000,-0.000000>,0.300000
<0.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,79.000000,-0.000000>,0.300000
<0.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,80.000000,-0.000000>,0.300000
<-1.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,80.000000,-0.000000>,0.300000
<-1.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,79.000000,-0.000000>,0.300000
<-2.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,79.000000,-0.000000>,0.300000
<-2.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,80.000000,-0.000000>,0.300000
<-2.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,81.000000,-0.000000>,0.300000
<-3.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,81.000000,-0.000000>,0.300000
<-3.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,80.000000,-0.000000>,0.300000
<-4.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,80.000000,-0.000000>,0.300000
<-4.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,79.000000,-0.000000>,0.300000
<-3.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,79.000000,-0.000000>,0.300000
<-3.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,78.000000,-0.000000>,0.300000
<-4.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,78.000000,-0.000000>,0.300000
<-5.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,78.000000,-0.000000>,0.300000
<-5.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,77.000000,-0.000000>,0.300000
<-4.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,77.000000,-0.000000>,0.300000
<-4.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,76.000000,-0.000000>,0.300000
<-5.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,76.000000,-0.000000>,0.300000
<-5.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,75.000000,-0.000000>,0.300000
<-6.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,75.000000,-0.000000>,0.300000
<-6.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,76.000000,-0.000000>,0.300000
<-6.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,77.000000,-0.000000>,0.300000
<-7.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,77.000000,-0.000000>,0.300000
<-7.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,76.000000,-0.000000>,0.300000
<-8.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,76.000000,-0.000000>,0.300000
<-8.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,77.000000,-0.000000>,0.300000
<-9.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,77.000000,-0.000000>,0.300000
<-9.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,78.000000,-0.000000>,0.300000
<-8.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,78.000000,-0.000000>,0.300000
<-7.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,78.000000,-0.000000>,0.300000
<-7.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,79.000000,-0.000000>,0.300000
<-8.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,79.000000,-0.000000>,0.300000
<-8.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,80.000000,-0.000000>,0.300000
<-8.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,81.000000,-0.000000>,0.300000
<-9.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,81.000000,-0.000000>,0.300000
<-9.000000,82.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,82.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,82.000000,-0.000000>,0.300000
<-8.000000,82.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,82.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,82.000000,-0.000000>,0.300000
<-7.000000,82.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,82.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,82.000000,-0.000000>,0.300000
<-7.000000,83.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,83.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,83.000000,-0.000000>,0.300000
<-8.000000,83.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,83.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,83.000000,-0.000000>,0.300000
<-8.000000,84.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,84.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,84.000000,-0.000000>,0.300000
<-9.000000,84.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,84.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,84.000000,-0.000000>,0.300000
<-9.000000,83.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,83.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,83.000000,-0.000000>,0.300000
<-10.000000,83.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,83.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,83.000000,-0.000000>,0.300000
<-10.000000,84.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,84.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,84.000000,-0.000000>,0.300000
<-10.000000,85.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,85.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,85.000000,-0.000000>,0.300000
<-11.000000,85.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,85.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,85.000000,-0.000000>,0.300000
<-11.000000,84.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,84.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,84.000000,-0.000000>,0.300000
<-12.000000,84.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,84.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,84.000000,-0.000000>,0.300000
<-12.000000,83.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,83.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,83.000000,-0.000000>,0.300000
<-11.000000,83.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,83.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,83.000000,-0.000000>,0.300000
<-11.000000,82.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,82.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,82.000000,-0.000000>,0.300000
<-12.000000,82.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,82.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,82.000000,-0.000000>,0.300000
<-13.000000,82.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,82.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,82.000000,-0.000000>,0.300000
<-13.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,81.000000,-0.000000>,0.300000
<-12.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,81.000000,-0.000000>,0.300000
<-12.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,80.000000,-0.000000>,0.300000
<-13.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,80.000000,-0.000000>,0.300000
<-13.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,79.000000,-0.000000>,0.300000
<-14.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,79.000000,-0.000000>,0.300000
<-14.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,80.000000,-0.000000>,0.300000
<-14.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,81.000000,-0.000000>,0.300000
<-15.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,81.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,81.000000,-0.000000>,0.300000
<-15.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,80.000000,-0.000000>,0.300000
<-16.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,80.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,80.000000,-0.000000>,0.300000
<-16.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,79.000000,-0.000000>,0.300000
<-15.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,79.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,79.000000,-0.000000>,0.300000
<-15.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,78.000000,-0.000000>,0.300000
<-16.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,78.000000,-0.000000>,0.300000
<-17.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,78.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,78.000000,-0.000000>,0.300000
<-17.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,77.000000,-0.000000>,0.300000
<-16.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,77.000000,-0.000000>,0.300000
<-16.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,76.000000,-0.000000>,0.300000
<-15.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,76.000000,-0.000000>,0.300000
<-15.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,77.000000,-0.000000>,0.300000
<-14.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,77.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,77.000000,-0.000000>,0.300000
<-14.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,76.000000,-0.000000>,0.300000
<-14.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,75.000000,-0.000000>,0.300000
<-13.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,75.000000,-0.000000>,0.300000
<-13.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,76.000000,-0.000000>,0.300000
<-12.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,76.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,76.000000,-0.000000>,0.300000
<-12.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,75.000000,-0.000000>,0.300000
<-11.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,75.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,75.000000,-0.000000>,0.300000
<-11.000000,74.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,74.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,74.000000,-0.000000>,0.300000
<-12.000000,74.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,74.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,74.000000,-0.000000>,0.300000
<-13.000000,74.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,74.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,74.000000,-0.000000>,0.300000
<-13.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,73.000000,-0.000000>,0.300000
<-12.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,73.000000,-0.000000>,0.300000
<-12.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,72.000000,-0.000000>,0.300000
<-13.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,72.000000,-0.000000>,0.300000
<-13.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,71.000000,-0.000000>,0.300000
<-14.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,71.000000,-0.000000>,0.300000
<-14.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,72.000000,-0.000000>,0.300000
<-14.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,73.000000,-0.000000>,0.300000
<-15.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,73.000000,-0.000000>,0.300000
<-15.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,72.000000,-0.000000>,0.300000
<-16.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,72.000000,-0.000000>,0.300000
<-17.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,72.000000,-0.000000>,0.300000
<-17.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,71.000000,-0.000000>,0.300000
<-18.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,71.000000,-0.000000>,0.300000
<-18.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,72.000000,-0.000000>,0.300000
<-18.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,73.000000,-0.000000>,0.300000
<-19.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,73.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,73.000000,-0.000000>,0.300000
<-19.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,72.000000,-0.000000>,0.300000
<-20.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,72.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,72.000000,-0.000000>,0.300000
<-20.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,71.000000,-0.000000>,0.300000
<-19.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,71.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,71.000000,-0.000000>,0.300000
<-19.000000,70.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,70.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,70.000000,-0.000000>,0.300000
<-20.000000,70.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,70.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,70.000000,-0.000000>,0.300000
<-21.000000,70.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,70.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,70.000000,-0.000000>,0.300000
<-21.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,69.000000,-0.000000>,0.300000
<-20.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,69.000000,-0.000000>,0.300000
<-20.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,68.000000,-0.000000>,0.300000
<-19.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,68.000000,-0.000000>,0.300000
<-19.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,69.000000,-0.000000>,0.300000
<-18.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,69.000000,-0.000000>,0.300000
<-18.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,68.000000,-0.000000>,0.300000
<-18.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,67.000000,-0.000000>,0.300000
<-17.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,67.000000,-0.000000>,0.300000
<-17.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,68.000000,-0.000000>,0.300000
<-16.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,68.000000,-0.000000>,0.300000
<-16.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,67.000000,-0.000000>,0.300000
<-15.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,67.000000,-0.000000>,0.300000
<-15.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,66.000000,-0.000000>,0.300000
<-16.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,66.000000,-0.000000>,0.300000
<-17.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,66.000000,-0.000000>,0.300000
<-17.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,65.000000,-0.000000>,0.300000
<-16.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,65.000000,-0.000000>,0.300000
<-16.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,64.000000,-0.000000>,0.300000
<-17.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,64.000000,-0.000000>,0.300000
<-17.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,63.000000,-0.000000>,0.300000
<-18.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,63.000000,-0.000000>,0.300000
<-18.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,64.000000,-0.000000>,0.300000
<-18.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,65.000000,-0.000000>,0.300000
<-19.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,65.000000,-0.000000>,0.300000
<-19.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,64.000000,-0.000000>,0.300000
<-20.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,64.000000,-0.000000>,0.300000
<-20.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,63.000000,-0.000000>,0.300000
<-19.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,63.000000,-0.000000>,0.300000
<-19.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,62.000000,-0.000000>,0.300000
<-20.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,62.000000,-0.000000>,0.300000
<-21.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,62.000000,-0.000000>,0.300000
<-21.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,61.000000,-0.000000>,0.300000
<-20.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,61.000000,-0.000000>,0.300000
<-20.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,60.000000,-0.000000>,0.300000
<-21.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,60.000000,-0.000000>,0.300000
<-21.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,59.000000,-0.000000>,0.300000
<-22.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,59.000000,-0.000000>,0.300000
<-22.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,60.000000,-0.000000>,0.300000
<-22.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,61.000000,-0.000000>,0.300000
<-23.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,61.000000,-0.000000>,0.300000
<-23.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,60.000000,-0.000000>,0.300000
<-24.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,60.000000,-0.000000>,0.300000
<-24.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,61.000000,-0.000000>,0.300000
<-25.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,61.000000,-0.000000>,0.300000
<-25.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,62.000000,-0.000000>,0.300000
<-24.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,62.000000,-0.000000>,0.300000
<-23.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,62.000000,-0.000000>,0.300000
<-23.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,63.000000,-0.000000>,0.300000
<-24.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,63.000000,-0.000000>,0.300000
<-24.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,64.000000,-0.000000>,0.300000
<-24.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,65.000000,-0.000000>,0.300000
<-25.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,65.000000,-0.000000>,0.300000
<-25.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,66.000000,-0.000000>,0.300000
<-24.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,66.000000,-0.000000>,0.300000
<-23.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,66.000000,-0.000000>,0.300000
<-23.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,67.000000,-0.000000>,0.300000
<-24.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,67.000000,-0.000000>,0.300000
<-24.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,68.000000,-0.000000>,0.300000
<-25.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,68.000000,-0.000000>,0.300000
<-25.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,67.000000,-0.000000>,0.300000
<-26.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,67.000000,-0.000000>,0.300000
<-26.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,68.000000,-0.000000>,0.300000
<-26.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,69.000000,-0.000000>,0.300000
<-27.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,69.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,69.000000,-0.000000>,0.300000
<-27.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,68.000000,-0.000000>,0.300000
<-28.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,68.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,68.000000,-0.000000>,0.300000
<-28.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,67.000000,-0.000000>,0.300000
<-27.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,67.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,67.000000,-0.000000>,0.300000
<-27.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,66.000000,-0.000000>,0.300000
<-28.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,66.000000,-0.000000>,0.300000
<-29.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,66.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,66.000000,-0.000000>,0.300000
<-29.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,65.000000,-0.000000>,0.300000
<-28.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,65.000000,-0.000000>,0.300000
<-28.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,64.000000,-0.000000>,0.300000
<-29.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,64.000000,-0.000000>,0.300000
<-29.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,63.000000,-0.000000>,0.300000
<-30.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,63.000000,-0.000000>,0.300000
<-30.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,64.000000,-0.000000>,0.300000
<-30.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,65.000000,-0.000000>,0.300000
<-31.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,65.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,65.000000,-0.000000>,0.300000
<-31.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,64.000000,-0.000000>,0.300000
<-32.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,64.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,64.000000,-0.000000>,0.300000
<-32.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,63.000000,-0.000000>,0.300000
<-31.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,63.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,63.000000,-0.000000>,0.300000
<-31.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,62.000000,-0.000000>,0.300000
<-32.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,62.000000,-0.000000>,0.300000
<-33.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,62.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,62.000000,-0.000000>,0.300000
<-33.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,61.000000,-0.000000>,0.300000
<-32.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,61.000000,-0.000000>,0.300000
<-32.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,60.000000,-0.000000>,0.300000
<-31.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,60.000000,-0.000000>,0.300000
<-31.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,61.000000,-0.000000>,0.300000
<-30.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,61.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,61.000000,-0.000000>,0.300000
<-30.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,60.000000,-0.000000>,0.300000
<-30.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,59.000000,-0.000000>,0.300000
<-29.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,59.000000,-0.000000>,0.300000
<-29.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,60.000000,-0.000000>,0.300000
<-28.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,60.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,60.000000,-0.000000>,0.300000
<-28.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,59.000000,-0.000000>,0.300000
<-27.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,59.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,59.000000,-0.000000>,0.300000
<-27.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,58.000000,-0.000000>,0.300000
<-28.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,58.000000,-0.000000>,0.300000
<-29.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,58.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,58.000000,-0.000000>,0.300000
<-29.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,57.000000,-0.000000>,0.300000
<-28.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,57.000000,-0.000000>,0.300000
<-28.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,56.000000,-0.000000>,0.300000
<-29.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,56.000000,-0.000000>,0.300000
<-29.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,55.000000,-0.000000>,0.300000
<-30.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,55.000000,-0.000000>,0.300000
<-30.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,56.000000,-0.000000>,0.300000
<-30.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,57.000000,-0.000000>,0.300000
<-31.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,57.000000,-0.000000>,0.300000
<-31.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,56.000000,-0.000000>,0.300000
<-32.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,56.000000,-0.000000>,0.300000
<-33.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,56.000000,-0.000000>,0.300000
<-33.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,55.000000,-0.000000>,0.300000
<-34.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,55.000000,-0.000000>,0.300000
<-34.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,56.000000,-0.000000>,0.300000
<-34.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,57.000000,-0.000000>,0.300000
<-35.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,57.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,57.000000,-0.000000>,0.300000
<-35.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,56.000000,-0.000000>,0.300000
<-36.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,56.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,56.000000,-0.000000>,0.300000
<-36.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,55.000000,-0.000000>,0.300000
<-35.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,55.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,55.000000,-0.000000>,0.300000
<-35.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,54.000000,-0.000000>,0.300000
<-36.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,54.000000,-0.000000>,0.300000
<-37.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.000000,54.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.000000,54.000000,-0.000000>,0.300000
<-37.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.000000,53.000000,-0.000000>,0.300000
<-36.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,53.000000,-0.000000>,0.300000
<-36.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,52.000000,-0.000000>,0.300000
<-35.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,52.000000,-0.000000>,0.300000
<-35.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,53.000000,-0.000000>,0.300000
<-34.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,53.000000,-0.000000>,0.300000
<-34.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,52.000000,-0.000000>,0.300000
<-34.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,51.000000,-0.000000>,0.300000
<-33.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,51.000000,-0.000000>,0.300000
<-33.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,52.000000,-0.000000>,0.300000
<-32.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,52.000000,-0.000000>,0.300000
<-32.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,51.000000,-0.000000>,0.300000
<-31.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,51.000000,-0.000000>,0.300000
<-31.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,50.000000,-0.000000>,0.300000
<-32.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,50.000000,-0.000000>,0.300000
<-33.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,50.000000,-0.000000>,0.300000
<-33.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,49.000000,-0.000000>,0.300000
<-32.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,49.000000,-0.000000>,0.300000
<-32.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,48.000000,-0.000000>,0.300000
<-31.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,48.000000,-0.000000>,0.300000
<-31.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,49.000000,-0.000000>,0.300000
<-30.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,49.000000,-0.000000>,0.300000
<-30.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,48.000000,-0.000000>,0.300000
<-30.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,47.000000,-0.000000>,0.300000
<-29.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,47.000000,-0.000000>,0.300000
<-29.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,48.000000,-0.000000>,0.300000
<-28.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,48.000000,-0.000000>,0.300000
<-28.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,49.000000,-0.000000>,0.300000
<-29.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,49.000000,-0.000000>,0.300000
<-29.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,50.000000,-0.000000>,0.300000
<-28.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,50.000000,-0.000000>,0.300000
<-27.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,50.000000,-0.000000>,0.300000
<-27.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,51.000000,-0.000000>,0.300000
<-28.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,51.000000,-0.000000>,0.300000
<-28.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,52.000000,-0.000000>,0.300000
<-27.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,52.000000,-0.000000>,0.300000
<-27.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,53.000000,-0.000000>,0.300000
<-26.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,53.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,53.000000,-0.000000>,0.300000
<-26.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,52.000000,-0.000000>,0.300000
<-26.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,51.000000,-0.000000>,0.300000
<-25.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,51.000000,-0.000000>,0.300000
<-25.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,52.000000,-0.000000>,0.300000
<-24.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,52.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,52.000000,-0.000000>,0.300000
<-24.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,51.000000,-0.000000>,0.300000
<-23.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,51.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,51.000000,-0.000000>,0.300000
<-23.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,50.000000,-0.000000>,0.300000
<-24.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,50.000000,-0.000000>,0.300000
<-25.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,50.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,50.000000,-0.000000>,0.300000
<-25.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,49.000000,-0.000000>,0.300000
<-24.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,49.000000,-0.000000>,0.300000
<-24.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,48.000000,-0.000000>,0.300000
<-24.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,47.000000,-0.000000>,0.300000
<-23.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,47.000000,-0.000000>,0.300000
<-23.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,46.000000,-0.000000>,0.300000
<-24.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,46.000000,-0.000000>,0.300000
<-25.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,46.000000,-0.000000>,0.300000
<-25.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,45.000000,-0.000000>,0.300000
<-24.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,45.000000,-0.000000>,0.300000
<-24.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,44.000000,-0.000000>,0.300000
<-23.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,44.000000,-0.000000>,0.300000
<-23.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,45.000000,-0.000000>,0.300000
<-22.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,45.000000,-0.000000>,0.300000
<-22.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,44.000000,-0.000000>,0.300000
<-22.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,43.000000,-0.000000>,0.300000
<-21.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,43.000000,-0.000000>,0.300000
<-21.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,44.000000,-0.000000>,0.300000
<-20.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,44.000000,-0.000000>,0.300000
<-20.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,45.000000,-0.000000>,0.300000
<-21.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,45.000000,-0.000000>,0.300000
<-21.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,46.000000,-0.000000>,0.300000
<-20.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,46.000000,-0.000000>,0.300000
<-19.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,46.000000,-0.000000>,0.300000
<-19.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,47.000000,-0.000000>,0.300000
<-20.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,47.000000,-0.000000>,0.300000
<-20.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,48.000000,-0.000000>,0.300000
<-19.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,48.000000,-0.000000>,0.300000
<-19.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,49.000000,-0.000000>,0.300000
<-18.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,49.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,49.000000,-0.000000>,0.300000
<-18.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,48.000000,-0.000000>,0.300000
<-18.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,47.000000,-0.000000>,0.300000
<-17.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,47.000000,-0.000000>,0.300000
<-17.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,48.000000,-0.000000>,0.300000
<-16.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,48.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,48.000000,-0.000000>,0.300000
<-16.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,47.000000,-0.000000>,0.300000
<-15.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,47.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,47.000000,-0.000000>,0.300000
<-15.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,46.000000,-0.000000>,0.300000
<-16.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,46.000000,-0.000000>,0.300000
<-17.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,46.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,46.000000,-0.000000>,0.300000
<-17.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,45.000000,-0.000000>,0.300000
<-16.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,45.000000,-0.000000>,0.300000
<-16.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,44.000000,-0.000000>,0.300000
<-15.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,44.000000,-0.000000>,0.300000
<-15.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,45.000000,-0.000000>,0.300000
<-14.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,45.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,45.000000,-0.000000>,0.300000
<-14.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,44.000000,-0.000000>,0.300000
<-14.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,43.000000,-0.000000>,0.300000
<-13.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,43.000000,-0.000000>,0.300000
<-13.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,44.000000,-0.000000>,0.300000
<-12.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,44.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,44.000000,-0.000000>,0.300000
<-12.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,43.000000,-0.000000>,0.300000
<-11.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,43.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,43.000000,-0.000000>,0.300000
<-11.000000,42.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,42.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,42.000000,-0.000000>,0.300000
<-12.000000,42.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,42.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,42.000000,-0.000000>,0.300000
<-13.000000,42.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,42.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,42.000000,-0.000000>,0.300000
<-13.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,41.000000,-0.000000>,0.300000
<-12.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,41.000000,-0.000000>,0.300000
<-12.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,40.000000,-0.000000>,0.300000
<-13.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,40.000000,-0.000000>,0.300000
<-13.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,39.000000,-0.000000>,0.300000
<-14.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,39.000000,-0.000000>,0.300000
<-14.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,40.000000,-0.000000>,0.300000
<-14.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,41.000000,-0.000000>,0.300000
<-15.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,41.000000,-0.000000>,0.300000
<-15.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,40.000000,-0.000000>,0.300000
<-16.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,40.000000,-0.000000>,0.300000
<-17.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,40.000000,-0.000000>,0.300000
<-17.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,39.000000,-0.000000>,0.300000
<-18.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,39.000000,-0.000000>,0.300000
<-18.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,40.000000,-0.000000>,0.300000
<-18.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,41.000000,-0.000000>,0.300000
<-19.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,41.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,41.000000,-0.000000>,0.300000
<-19.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,40.000000,-0.000000>,0.300000
<-20.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,40.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,40.000000,-0.000000>,0.300000
<-20.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,39.000000,-0.000000>,0.300000
<-19.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,39.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,39.000000,-0.000000>,0.300000
<-19.000000,38.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,38.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,38.000000,-0.000000>,0.300000
<-20.000000,38.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,38.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,38.000000,-0.000000>,0.300000
<-21.000000,38.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,38.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,38.000000,-0.000000>,0.300000
<-21.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,37.000000,-0.000000>,0.300000
<-20.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,37.000000,-0.000000>,0.300000
<-20.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,36.000000,-0.000000>,0.300000
<-19.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,36.000000,-0.000000>,0.300000
<-19.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,37.000000,-0.000000>,0.300000
<-18.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,37.000000,-0.000000>,0.300000
<-18.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,36.000000,-0.000000>,0.300000
<-18.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,35.000000,-0.000000>,0.300000
<-17.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,35.000000,-0.000000>,0.300000
<-17.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,36.000000,-0.000000>,0.300000
<-16.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,36.000000,-0.000000>,0.300000
<-16.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,35.000000,-0.000000>,0.300000
<-15.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,35.000000,-0.000000>,0.300000
<-15.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,34.000000,-0.000000>,0.300000
<-16.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,34.000000,-0.000000>,0.300000
<-17.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,34.000000,-0.000000>,0.300000
<-17.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,33.000000,-0.000000>,0.300000
<-16.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,33.000000,-0.000000>,0.300000
<-16.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,32.000000,-0.000000>,0.300000
<-17.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,32.000000,-0.000000>,0.300000
<-17.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,31.000000,-0.000000>,0.300000
<-18.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,31.000000,-0.000000>,0.300000
<-18.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,32.000000,-0.000000>,0.300000
<-18.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,33.000000,-0.000000>,0.300000
<-19.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,33.000000,-0.000000>,0.300000
<-19.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,32.000000,-0.000000>,0.300000
<-20.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,32.000000,-0.000000>,0.300000
<-20.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,31.000000,-0.000000>,0.300000
<-19.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,31.000000,-0.000000>,0.300000
<-19.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,30.000000,-0.000000>,0.300000
<-20.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,30.000000,-0.000000>,0.300000
<-21.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,30.000000,-0.000000>,0.300000
<-21.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,29.000000,-0.000000>,0.300000
<-20.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,29.000000,-0.000000>,0.300000
<-20.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,28.000000,-0.000000>,0.300000
<-21.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,28.000000,-0.000000>,0.300000
<-21.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,27.000000,-0.000000>,0.300000
<-22.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,27.000000,-0.000000>,0.300000
<-22.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,28.000000,-0.000000>,0.300000
<-22.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,29.000000,-0.000000>,0.300000
<-23.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,29.000000,-0.000000>,0.300000
<-23.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,28.000000,-0.000000>,0.300000
<-24.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,28.000000,-0.000000>,0.300000
<-24.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,29.000000,-0.000000>,0.300000
<-25.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,29.000000,-0.000000>,0.300000
<-25.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,30.000000,-0.000000>,0.300000
<-24.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,30.000000,-0.000000>,0.300000
<-23.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,30.000000,-0.000000>,0.300000
<-23.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,31.000000,-0.000000>,0.300000
<-24.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,31.000000,-0.000000>,0.300000
<-24.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,32.000000,-0.000000>,0.300000
<-24.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,33.000000,-0.000000>,0.300000
<-25.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,33.000000,-0.000000>,0.300000
<-25.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,34.000000,-0.000000>,0.300000
<-24.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,34.000000,-0.000000>,0.300000
<-23.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,34.000000,-0.000000>,0.300000
<-23.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,35.000000,-0.000000>,0.300000
<-24.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,35.000000,-0.000000>,0.300000
<-24.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,36.000000,-0.000000>,0.300000
<-25.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,36.000000,-0.000000>,0.300000
<-25.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,35.000000,-0.000000>,0.300000
<-26.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,35.000000,-0.000000>,0.300000
<-26.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,36.000000,-0.000000>,0.300000
<-26.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,37.000000,-0.000000>,0.300000
<-27.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,37.000000,-0.000000>,0.300000
<-27.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,36.000000,-0.000000>,0.300000
<-28.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,36.000000,-0.000000>,0.300000
<-28.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,35.000000,-0.000000>,0.300000
<-27.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,35.000000,-0.000000>,0.300000
<-27.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,34.000000,-0.000000>,0.300000
<-28.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,34.000000,-0.000000>,0.300000
<-29.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,34.000000,-0.000000>,0.300000
<-29.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,33.000000,-0.000000>,0.300000
<-28.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,33.000000,-0.000000>,0.300000
<-28.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,32.000000,-0.000000>,0.300000
<-29.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,32.000000,-0.000000>,0.300000
<-29.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,31.000000,-0.000000>,0.300000
<-30.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,31.000000,-0.000000>,0.300000
<-30.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,32.000000,-0.000000>,0.300000
<-30.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,33.000000,-0.000000>,0.300000
<-31.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,33.000000,-0.000000>,0.300000
<-31.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,32.000000,-0.000000>,0.300000
<-32.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,32.000000,-0.000000>,0.300000
<-33.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,32.000000,-0.000000>,0.300000
<-33.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,31.000000,-0.000000>,0.300000
<-34.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,31.000000,-0.000000>,0.300000
<-34.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,32.000000,-0.000000>,0.300000
<-34.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,33.000000,-0.000000>,0.300000
<-35.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,33.000000,-0.000000>,0.300000
<-35.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,32.000000,-0.000000>,0.300000
<-36.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,32.000000,-0.000000>,0.300000
<-36.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,31.000000,-0.000000>,0.300000
<-35.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,31.000000,-0.000000>,0.300000
<-35.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,30.000000,-0.000000>,0.300000
<-36.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,30.000000,-0.000000>,0.300000
<-37.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.000000,30.000000,-0.000000>,0.300000
<-37.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.000000,29.000000,-0.000000>,0.300000
<-36.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,29.000000,-0.000000>,0.300000
<-36.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,28.000000,-0.000000>,0.300000
<-37.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.000000,28.000000,-0.000000>,0.300000
<-37.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.000000,27.000000,-0.000000>,0.300000
<-38.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.000000,27.000000,-0.000000>,0.300000
<-38.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.000000,28.000000,-0.000000>,0.300000
<-38.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.000000,29.000000,-0.000000>,0.300000
<-39.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.000000,29.000000,-0.000000>,0.300000
<-39.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.000000,28.000000,-0.000000>,0.300000
<-40.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,28.000000,-0.000000>,0.300000
<-40.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,29.000000,-0.000000>,0.300000
<-41.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.000000,29.000000,-0.000000>,0.300000
<-41.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.000000,30.000000,-0.000000>,0.300000
<-40.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,30.000000,-0.000000>,0.300000
<-39.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.000000,30.000000,-0.000000>,0.300000
<-39.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.000000,31.000000,-0.000000>,0.300000
<-40.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,31.000000,-0.000000>,0.300000
<-40.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,32.000000,-0.000000>,0.300000
<-40.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,33.000000,-0.000000>,0.300000
<-41.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.000000,33.000000,-0.000000>,0.300000
<-41.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.000000,34.000000,-0.000000>,0.300000
<-40.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,34.000000,-0.000000>,0.300000
<-39.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.000000,34.000000,-0.000000>,0.300000
<-39.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.000000,35.000000,-0.000000>,0.300000
<-40.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,35.000000,-0.000000>,0.300000
<-40.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,36.000000,-0.000000>,0.300000
<-41.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.000000,36.000000,-0.000000>,0.300000
<-41.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.000000,35.000000,-0.000000>,0.300000
<-42.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.000000,35.000000,-0.000000>,0.300000
<-42.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.000000,36.000000,-0.000000>,0.300000
<-42.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.000000,37.000000,-0.000000>,0.300000
<-43.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.000000,37.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.000000,37.000000,-0.000000>,0.300000
<-43.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.000000,36.000000,-0.000000>,0.300000
<-44.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.000000,36.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.000000,36.000000,-0.000000>,0.300000
<-44.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.000000,35.000000,-0.000000>,0.300000
<-43.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.000000,35.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.000000,35.000000,-0.000000>,0.300000
<-43.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.000000,34.000000,-0.000000>,0.300000
<-44.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.000000,34.000000,-0.000000>,0.300000
<-45.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.000000,34.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.000000,34.000000,-0.000000>,0.300000
<-45.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.000000,33.000000,-0.000000>,0.300000
<-44.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.000000,33.000000,-0.000000>,0.300000
<-44.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.000000,32.000000,-0.000000>,0.300000
<-45.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.000000,32.000000,-0.000000>,0.300000
<-45.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.000000,31.000000,-0.000000>,0.300000
<-46.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.000000,31.000000,-0.000000>,0.300000
<-46.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.000000,32.000000,-0.000000>,0.300000
<-46.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.000000,33.000000,-0.000000>,0.300000
<-47.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.000000,33.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.000000,33.000000,-0.000000>,0.300000
<-47.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.000000,32.000000,-0.000000>,0.300000
<-48.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.000000,32.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.000000,32.000000,-0.000000>,0.300000
<-48.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.000000,31.000000,-0.000000>,0.300000
<-47.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.000000,31.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.000000,31.000000,-0.000000>,0.300000
<-47.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.000000,30.000000,-0.000000>,0.300000
<-48.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.000000,30.000000,-0.000000>,0.300000
<-49.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.000000,30.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.000000,30.000000,-0.000000>,0.300000
<-49.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.000000,29.000000,-0.000000>,0.300000
<-48.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.000000,29.000000,-0.000000>,0.300000
<-48.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.000000,28.000000,-0.000000>,0.300000
<-47.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.000000,28.000000,-0.000000>,0.300000
<-47.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.000000,29.000000,-0.000000>,0.300000
<-46.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.000000,29.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.000000,29.000000,-0.000000>,0.300000
<-46.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.000000,28.000000,-0.000000>,0.300000
<-46.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.000000,27.000000,-0.000000>,0.300000
<-45.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.000000,27.000000,-0.000000>,0.300000
<-45.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.000000,28.000000,-0.000000>,0.300000
<-44.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.000000,28.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.000000,28.000000,-0.000000>,0.300000
<-44.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.000000,27.000000,-0.000000>,0.300000
<-43.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.000000,27.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.000000,27.000000,-0.000000>,0.300000
<-43.000000,26.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.000000,26.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.000000,26.000000,-0.000000>,0.300000
<-44.000000,26.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.000000,26.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.000000,26.000000,-0.000000>,0.300000
<-45.000000,26.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.000000,26.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.000000,26.000000,-0.000000>,0.300000
<-45.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.000000,25.000000,-0.000000>,0.300000
<-44.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.000000,25.000000,-0.000000>,0.300000
<-44.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.000000,24.000000,-0.000000>,0.300000
<-45.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.000000,24.000000,-0.000000>,0.300000
<-45.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.000000,23.000000,-0.000000>,0.300000
<-46.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.000000,23.000000,-0.000000>,0.300000
<-46.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.000000,24.000000,-0.000000>,0.300000
<-46.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.000000,25.000000,-0.000000>,0.300000
<-47.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.000000,25.000000,-0.000000>,0.300000
<-47.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.000000,24.000000,-0.000000>,0.300000
<-48.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.000000,24.000000,-0.000000>,0.300000
<-49.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.000000,24.000000,-0.000000>,0.300000
<-49.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.000000,23.000000,-0.000000>,0.300000
<-50.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.000000,23.000000,-0.000000>,0.300000
<-50.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.000000,24.000000,-0.000000>,0.300000
<-50.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.000000,25.000000,-0.000000>,0.300000
<-51.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.000000,25.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.000000,25.000000,-0.000000>,0.300000
<-51.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.000000,24.000000,-0.000000>,0.300000
<-52.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.000000,24.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.000000,24.000000,-0.000000>,0.300000
<-52.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.000000,23.000000,-0.000000>,0.300000
<-51.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.000000,23.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.000000,23.000000,-0.000000>,0.300000
<-51.000000,22.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.000000,22.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.000000,22.000000,-0.000000>,0.300000
<-52.000000,22.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.000000,22.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.000000,22.000000,-0.000000>,0.300000
<-53.000000,22.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.000000,22.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.000000,22.000000,-0.000000>,0.300000
<-53.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-53.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-53.000000,21.000000,-0.000000>,0.300000
<-52.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.000000,21.000000,-0.000000>,0.300000
<-52.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-52.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-52.000000,20.000000,-0.000000>,0.300000
<-51.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.000000,20.000000,-0.000000>,0.300000
<-51.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-51.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-51.000000,21.000000,-0.000000>,0.300000
<-50.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.000000,21.000000,-0.000000>,0.300000
<-50.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.000000,20.000000,-0.000000>,0.300000
<-50.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-50.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-50.000000,19.000000,-0.000000>,0.300000
<-49.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.000000,19.000000,-0.000000>,0.300000
<-49.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.000000,20.000000,-0.000000>,0.300000
<-48.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.000000,20.000000,-0.000000>,0.300000
<-48.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.000000,19.000000,-0.000000>,0.300000
<-47.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.000000,19.000000,-0.000000>,0.300000
<-47.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.000000,18.000000,-0.000000>,0.300000
<-48.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.000000,18.000000,-0.000000>,0.300000
<-49.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.000000,18.000000,-0.000000>,0.300000
<-49.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-49.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-49.000000,17.000000,-0.000000>,0.300000
<-48.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.000000,17.000000,-0.000000>,0.300000
<-48.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-48.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-48.000000,16.000000,-0.000000>,0.300000
<-47.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.000000,16.000000,-0.000000>,0.300000
<-47.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-47.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-47.000000,17.000000,-0.000000>,0.300000
<-46.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.000000,17.000000,-0.000000>,0.300000
<-46.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.000000,16.000000,-0.000000>,0.300000
<-46.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-46.000000,15.000000,-0.000000>,0.300000
<-45.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.000000,15.000000,-0.000000>,0.300000
<-45.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.000000,16.000000,-0.000000>,0.300000
<-44.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.000000,16.000000,-0.000000>,0.300000
<-44.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.000000,17.000000,-0.000000>,0.300000
<-45.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.000000,17.000000,-0.000000>,0.300000
<-45.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.000000,18.000000,-0.000000>,0.300000
<-44.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.000000,18.000000,-0.000000>,0.300000
<-43.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.000000,18.000000,-0.000000>,0.300000
<-43.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.000000,19.000000,-0.000000>,0.300000
<-44.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.000000,19.000000,-0.000000>,0.300000
<-44.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.000000,20.000000,-0.000000>,0.300000
<-43.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.000000,20.000000,-0.000000>,0.300000
<-43.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.000000,21.000000,-0.000000>,0.300000
<-42.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.000000,21.000000,-0.000000>,0.300000
<-42.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.000000,20.000000,-0.000000>,0.300000
<-42.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.000000,19.000000,-0.000000>,0.300000
<-41.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.000000,19.000000,-0.000000>,0.300000
<-41.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.000000,20.000000,-0.000000>,0.300000
<-40.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,20.000000,-0.000000>,0.300000
<-40.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,19.000000,-0.000000>,0.300000
<-39.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.000000,19.000000,-0.000000>,0.300000
<-39.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.000000,18.000000,-0.000000>,0.300000
<-40.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,18.000000,-0.000000>,0.300000
<-41.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.000000,18.000000,-0.000000>,0.300000
<-41.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.000000,17.000000,-0.000000>,0.300000
<-40.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,17.000000,-0.000000>,0.300000
<-40.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,16.000000,-0.000000>,0.300000
<-40.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,15.000000,-0.000000>,0.300000
<-39.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.000000,15.000000,-0.000000>,0.300000
<-39.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.000000,14.000000,-0.000000>,0.300000
<-40.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,14.000000,-0.000000>,0.300000
<-41.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.000000,14.000000,-0.000000>,0.300000
<-41.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.000000,13.000000,-0.000000>,0.300000
<-40.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,13.000000,-0.000000>,0.300000
<-40.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.000000,12.000000,-0.000000>,0.300000
<-39.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.000000,12.000000,-0.000000>,0.300000
<-39.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.000000,13.000000,-0.000000>,0.300000
<-38.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.000000,13.000000,-0.000000>,0.300000
<-38.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.000000,12.000000,-0.000000>,0.300000
<-38.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.000000,11.000000,-0.000000>,0.300000
<-37.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.000000,11.000000,-0.000000>,0.300000
<-37.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.000000,12.000000,-0.000000>,0.300000
<-36.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,12.000000,-0.000000>,0.300000
<-36.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,13.000000,-0.000000>,0.300000
<-37.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.000000,13.000000,-0.000000>,0.300000
<-37.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.000000,14.000000,-0.000000>,0.300000
<-36.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,14.000000,-0.000000>,0.300000
<-35.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,14.000000,-0.000000>,0.300000
<-35.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,15.000000,-0.000000>,0.300000
<-36.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,15.000000,-0.000000>,0.300000
<-36.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,16.000000,-0.000000>,0.300000
<-35.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,16.000000,-0.000000>,0.300000
<-35.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,17.000000,-0.000000>,0.300000
<-34.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,17.000000,-0.000000>,0.300000
<-34.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,16.000000,-0.000000>,0.300000
<-34.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,15.000000,-0.000000>,0.300000
<-33.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,15.000000,-0.000000>,0.300000
<-33.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,16.000000,-0.000000>,0.300000
<-32.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,16.000000,-0.000000>,0.300000
<-32.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,15.000000,-0.000000>,0.300000
<-31.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,15.000000,-0.000000>,0.300000
<-31.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,14.000000,-0.000000>,0.300000
<-32.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,14.000000,-0.000000>,0.300000
<-33.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,14.000000,-0.000000>,0.300000
<-33.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,13.000000,-0.000000>,0.300000
<-32.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,13.000000,-0.000000>,0.300000
<-32.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,12.000000,-0.000000>,0.300000
<-31.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,12.000000,-0.000000>,0.300000
<-31.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,13.000000,-0.000000>,0.300000
<-30.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,13.000000,-0.000000>,0.300000
<-30.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,12.000000,-0.000000>,0.300000
<-30.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,11.000000,-0.000000>,0.300000
<-29.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,11.000000,-0.000000>,0.300000
<-29.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,12.000000,-0.000000>,0.300000
<-28.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,12.000000,-0.000000>,0.300000
<-28.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,11.000000,-0.000000>,0.300000
<-27.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,11.000000,-0.000000>,0.300000
<-27.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,10.000000,-0.000000>,0.300000
<-28.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,10.000000,-0.000000>,0.300000
<-29.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,10.000000,-0.000000>,0.300000
<-29.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,9.000000,-0.000000>,0.300000
<-28.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,9.000000,-0.000000>,0.300000
<-28.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,8.000000,-0.000000>,0.300000
<-29.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,8.000000,-0.000000>,0.300000
<-29.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,7.000000,-0.000000>,0.300000
<-30.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,7.000000,-0.000000>,0.300000
<-30.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,8.000000,-0.000000>,0.300000
<-30.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,9.000000,-0.000000>,0.300000
<-31.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,9.000000,-0.000000>,0.300000
<-31.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,8.000000,-0.000000>,0.300000
<-32.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,8.000000,-0.000000>,0.300000
<-33.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,8.000000,-0.000000>,0.300000
<-33.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,7.000000,-0.000000>,0.300000
<-34.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,7.000000,-0.000000>,0.300000
<-34.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,8.000000,-0.000000>,0.300000
<-34.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,9.000000,-0.000000>,0.300000
<-35.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,9.000000,-0.000000>,0.300000
<-35.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,8.000000,-0.000000>,0.300000
<-36.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,8.000000,-0.000000>,0.300000
<-36.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,7.000000,-0.000000>,0.300000
<-35.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,7.000000,-0.000000>,0.300000
<-35.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,6.000000,-0.000000>,0.300000
<-36.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,6.000000,-0.000000>,0.300000
<-37.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.000000,6.000000,-0.000000>,0.300000
<-37.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.000000,5.000000,-0.000000>,0.300000
<-36.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,5.000000,-0.000000>,0.300000
<-36.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.000000,4.000000,-0.000000>,0.300000
<-35.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,4.000000,-0.000000>,0.300000
<-35.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.000000,5.000000,-0.000000>,0.300000
<-34.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,5.000000,-0.000000>,0.300000
<-34.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,4.000000,-0.000000>,0.300000
<-34.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.000000,3.000000,-0.000000>,0.300000
<-33.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,3.000000,-0.000000>,0.300000
<-33.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,4.000000,-0.000000>,0.300000
<-32.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,4.000000,-0.000000>,0.300000
<-32.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,3.000000,-0.000000>,0.300000
<-31.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,3.000000,-0.000000>,0.300000
<-31.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,2.000000,-0.000000>,0.300000
<-32.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,2.000000,-0.000000>,0.300000
<-33.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,2.000000,-0.000000>,0.300000
<-33.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.000000,1.000000,-0.000000>,0.300000
<-32.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,1.000000,-0.000000>,0.300000
<-32.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.000000,-0.000000,-0.000000>,0.300000
<-31.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,-0.000000,-0.000000>,0.300000
<-31.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,1.000000,-0.000000>,0.300000
<-30.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,1.000000,-0.000000>,0.300000
<-30.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,-0.000000,-0.000000>,0.300000
<-30.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.000000,-1.000000,-0.000000>,0.300000
<-29.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,-1.000000,-0.000000>,0.300000
<-29.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,-0.000000,-0.000000>,0.300000
<-28.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,-0.000000,-0.000000>,0.300000
<-28.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,1.000000,-0.000000>,0.300000
<-29.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,1.000000,-0.000000>,0.300000
<-29.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,2.000000,-0.000000>,0.300000
<-28.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,2.000000,-0.000000>,0.300000
<-27.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,2.000000,-0.000000>,0.300000
<-27.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,3.000000,-0.000000>,0.300000
<-28.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,3.000000,-0.000000>,0.300000
<-28.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,4.000000,-0.000000>,0.300000
<-27.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,4.000000,-0.000000>,0.300000
<-27.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.000000,5.000000,-0.000000>,0.300000
<-26.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,5.000000,-0.000000>,0.300000
<-26.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,4.000000,-0.000000>,0.300000
<-26.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,3.000000,-0.000000>,0.300000
<-25.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,3.000000,-0.000000>,0.300000
<-25.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,4.000000,-0.000000>,0.300000
<-24.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,4.000000,-0.000000>,0.300000
<-24.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,3.000000,-0.000000>,0.300000
<-23.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,3.000000,-0.000000>,0.300000
<-23.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,2.000000,-0.000000>,0.300000
<-24.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,2.000000,-0.000000>,0.300000
<-25.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,2.000000,-0.000000>,0.300000
<-25.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,1.000000,-0.000000>,0.300000
<-24.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,1.000000,-0.000000>,0.300000
<-24.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,-0.000000,-0.000000>,0.300000
<-24.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,-1.000000,-0.000000>,0.300000
<-23.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,-1.000000,-0.000000>,0.300000
<-23.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,-2.000000,-0.000000>,0.300000
<-24.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,-2.000000,-0.000000>,0.300000
<-25.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,-2.000000,-0.000000>,0.300000
<-25.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,-3.000000,-0.000000>,0.300000
<-24.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,-3.000000,-0.000000>,0.300000
<-24.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.000000,-4.000000,-0.000000>,0.300000
<-23.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,-4.000000,-0.000000>,0.300000
<-23.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,-3.000000,-0.000000>,0.300000
<-22.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,-3.000000,-0.000000>,0.300000
<-22.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,-4.000000,-0.000000>,0.300000
<-22.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,-5.000000,-0.000000>,0.300000
<-21.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,-5.000000,-0.000000>,0.300000
<-21.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,-4.000000,-0.000000>,0.300000
<-20.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-4.000000,-0.000000>,0.300000
<-20.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-3.000000,-0.000000>,0.300000
<-21.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,-3.000000,-0.000000>,0.300000
<-21.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,-2.000000,-0.000000>,0.300000
<-20.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-2.000000,-0.000000>,0.300000
<-19.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-2.000000,-0.000000>,0.300000
<-19.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-1.000000,-0.000000>,0.300000
<-20.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-1.000000,-0.000000>,0.300000
<-20.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-0.000000,-0.000000>,0.300000
<-19.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-0.000000,-0.000000>,0.300000
<-19.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,1.000000,-0.000000>,0.300000
<-18.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,1.000000,-0.000000>,0.300000
<-18.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-0.000000,-0.000000>,0.300000
<-18.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,-1.000000,-0.000000>,0.300000
<-17.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-1.000000,-0.000000>,0.300000
<-17.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-0.000000,-0.000000>,0.300000
<-16.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-0.000000,-0.000000>,0.300000
<-16.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,1.000000,-0.000000>,0.300000
<-17.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,1.000000,-0.000000>,0.300000
<-17.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,2.000000,-0.000000>,0.300000
<-16.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,2.000000,-0.000000>,0.300000
<-15.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,2.000000,-0.000000>,0.300000
<-15.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,3.000000,-0.000000>,0.300000
<-16.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,3.000000,-0.000000>,0.300000
<-16.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,4.000000,-0.000000>,0.300000
<-17.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,4.000000,-0.000000>,0.300000
<-17.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,3.000000,-0.000000>,0.300000
<-18.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,3.000000,-0.000000>,0.300000
<-18.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,4.000000,-0.000000>,0.300000
<-18.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,5.000000,-0.000000>,0.300000
<-19.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,5.000000,-0.000000>,0.300000
<-19.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,4.000000,-0.000000>,0.300000
<-20.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,4.000000,-0.000000>,0.300000
<-20.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,5.000000,-0.000000>,0.300000
<-21.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,5.000000,-0.000000>,0.300000
<-21.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.000000,6.000000,-0.000000>,0.300000
<-20.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,6.000000,-0.000000>,0.300000
<-19.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,6.000000,-0.000000>,0.300000
<-19.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,7.000000,-0.000000>,0.300000
<-20.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,7.000000,-0.000000>,0.300000
<-20.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,8.000000,-0.000000>,0.300000
<-19.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,8.000000,-0.000000>,0.300000
<-19.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,9.000000,-0.000000>,0.300000
<-18.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,9.000000,-0.000000>,0.300000
<-18.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,8.000000,-0.000000>,0.300000
<-18.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.000000,7.000000,-0.000000>,0.300000
<-17.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,7.000000,-0.000000>,0.300000
<-17.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,8.000000,-0.000000>,0.300000
<-16.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,8.000000,-0.000000>,0.300000
<-15.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,8.000000,-0.000000>,0.300000
<-15.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,9.000000,-0.000000>,0.300000
<-14.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,9.000000,-0.000000>,0.300000
<-14.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,8.000000,-0.000000>,0.300000
<-14.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,7.000000,-0.000000>,0.300000
<-13.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,7.000000,-0.000000>,0.300000
<-13.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,8.000000,-0.000000>,0.300000
<-12.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,8.000000,-0.000000>,0.300000
<-12.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,9.000000,-0.000000>,0.300000
<-13.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,9.000000,-0.000000>,0.300000
<-13.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,10.000000,-0.000000>,0.300000
<-12.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,10.000000,-0.000000>,0.300000
<-11.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,10.000000,-0.000000>,0.300000
<-11.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,11.000000,-0.000000>,0.300000
<-12.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,11.000000,-0.000000>,0.300000
<-12.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,12.000000,-0.000000>,0.300000
<-13.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,12.000000,-0.000000>,0.300000
<-13.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,11.000000,-0.000000>,0.300000
<-14.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,11.000000,-0.000000>,0.300000
<-14.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,12.000000,-0.000000>,0.300000
<-14.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,13.000000,-0.000000>,0.300000
<-15.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,13.000000,-0.000000>,0.300000
<-15.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,12.000000,-0.000000>,0.300000
<-16.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,12.000000,-0.000000>,0.300000
<-16.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,13.000000,-0.000000>,0.300000
<-17.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,13.000000,-0.000000>,0.300000
<-17.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,14.000000,-0.000000>,0.300000
<-16.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,14.000000,-0.000000>,0.300000
<-15.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,14.000000,-0.000000>,0.300000
<-15.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,15.000000,-0.000000>,0.300000
<-16.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,15.000000,-0.000000>,0.300000
<-16.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,16.000000,-0.000000>,0.300000
<-15.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,16.000000,-0.000000>,0.300000
<-15.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.000000,17.000000,-0.000000>,0.300000
<-14.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,17.000000,-0.000000>,0.300000
<-14.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,16.000000,-0.000000>,0.300000
<-14.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,15.000000,-0.000000>,0.300000
<-13.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,15.000000,-0.000000>,0.300000
<-13.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,16.000000,-0.000000>,0.300000
<-12.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,16.000000,-0.000000>,0.300000
<-12.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,17.000000,-0.000000>,0.300000
<-13.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,17.000000,-0.000000>,0.300000
<-13.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,18.000000,-0.000000>,0.300000
<-12.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,18.000000,-0.000000>,0.300000
<-11.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,18.000000,-0.000000>,0.300000
<-11.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,19.000000,-0.000000>,0.300000
<-12.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,19.000000,-0.000000>,0.300000
<-12.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.000000,20.000000,-0.000000>,0.300000
<-11.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,20.000000,-0.000000>,0.300000
<-11.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,21.000000,-0.000000>,0.300000
<-10.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,21.000000,-0.000000>,0.300000
<-10.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,20.000000,-0.000000>,0.300000
<-10.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,19.000000,-0.000000>,0.300000
<-9.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,19.000000,-0.000000>,0.300000
<-9.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,20.000000,-0.000000>,0.300000
<-8.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,20.000000,-0.000000>,0.300000
<-8.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,19.000000,-0.000000>,0.300000
<-7.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,19.000000,-0.000000>,0.300000
<-7.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,18.000000,-0.000000>,0.300000
<-8.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,18.000000,-0.000000>,0.300000
<-9.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,18.000000,-0.000000>,0.300000
<-9.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,17.000000,-0.000000>,0.300000
<-8.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,17.000000,-0.000000>,0.300000
<-8.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,16.000000,-0.000000>,0.300000
<-8.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,15.000000,-0.000000>,0.300000
<-7.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,15.000000,-0.000000>,0.300000
<-7.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,14.000000,-0.000000>,0.300000
<-8.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,14.000000,-0.000000>,0.300000
<-9.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,14.000000,-0.000000>,0.300000
<-9.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000000,13.000000,-0.000000>,0.300000
<-8.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,13.000000,-0.000000>,0.300000
<-8.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,12.000000,-0.000000>,0.300000
<-7.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,12.000000,-0.000000>,0.300000
<-7.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,13.000000,-0.000000>,0.300000
<-6.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,13.000000,-0.000000>,0.300000
<-6.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,12.000000,-0.000000>,0.300000
<-6.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.000000,11.000000,-0.000000>,0.300000
<-5.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,11.000000,-0.000000>,0.300000
<-5.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,12.000000,-0.000000>,0.300000
<-4.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,12.000000,-0.000000>,0.300000
<-4.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,13.000000,-0.000000>,0.300000
<-5.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,13.000000,-0.000000>,0.300000
<-5.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,14.000000,-0.000000>,0.300000
<-4.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,14.000000,-0.000000>,0.300000
<-3.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,14.000000,-0.000000>,0.300000
<-3.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,15.000000,-0.000000>,0.300000
<-4.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,15.000000,-0.000000>,0.300000
<-4.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,16.000000,-0.000000>,0.300000
<-3.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,16.000000,-0.000000>,0.300000
<-3.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,17.000000,-0.000000>,0.300000
<-2.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,17.000000,-0.000000>,0.300000
<-2.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,16.000000,-0.000000>,0.300000
<-2.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,15.000000,-0.000000>,0.300000
<-1.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,15.000000,-0.000000>,0.300000
<-1.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,16.000000,-0.000000>,0.300000
<0.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.300000
<0.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.000000,-0.000000>,0.300000
<1.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,15.000000,-0.000000>,0.300000
<1.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,14.000000,-0.000000>,0.300000
<0.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.300000
<-1.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,14.000000,-0.000000>,0.300000
<-1.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,13.000000,-0.000000>,0.300000
<0.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.300000
<0.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.300000
<1.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,12.000000,-0.000000>,0.300000
<1.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,13.000000,-0.000000>,0.300000
<2.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,13.000000,-0.000000>,0.300000
<2.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,12.000000,-0.000000>,0.300000
<2.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,11.000000,-0.000000>,0.300000
<3.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,11.000000,-0.000000>,0.300000
<3.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,12.000000,-0.000000>,0.300000
<4.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,12.000000,-0.000000>,0.300000
<4.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,11.000000,-0.000000>,0.300000
<5.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,11.000000,-0.000000>,0.300000
<5.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,10.000000,-0.000000>,0.300000
<4.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,10.000000,-0.000000>,0.300000
<3.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,10.000000,-0.000000>,0.300000
<3.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,9.000000,-0.000000>,0.300000
<4.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,9.000000,-0.000000>,0.300000
<4.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,8.000000,-0.000000>,0.300000
<3.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,8.000000,-0.000000>,0.300000
<3.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,7.000000,-0.000000>,0.300000
<2.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,7.000000,-0.000000>,0.300000
<2.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,8.000000,-0.000000>,0.300000
<2.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,9.000000,-0.000000>,0.300000
<1.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,9.000000,-0.000000>,0.300000
<1.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,8.000000,-0.000000>,0.300000
<0.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.300000
<-1.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,8.000000,-0.000000>,0.300000
<-1.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,7.000000,-0.000000>,0.300000
<-2.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,7.000000,-0.000000>,0.300000
<-2.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,8.000000,-0.000000>,0.300000
<-2.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,9.000000,-0.000000>,0.300000
<-3.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,9.000000,-0.000000>,0.300000
<-3.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,8.000000,-0.000000>,0.300000
<-4.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,8.000000,-0.000000>,0.300000
<-4.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,7.000000,-0.000000>,0.300000
<-3.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,7.000000,-0.000000>,0.300000
<-3.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,6.000000,-0.000000>,0.300000
<-4.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,6.000000,-0.000000>,0.300000
<-5.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,6.000000,-0.000000>,0.300000
<-5.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,5.000000,-0.000000>,0.300000
<-4.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,5.000000,-0.000000>,0.300000
<-4.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,4.000000,-0.000000>,0.300000
<-3.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,4.000000,-0.000000>,0.300000
<-3.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,5.000000,-0.000000>,0.300000
<-2.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,5.000000,-0.000000>,0.300000
<-2.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,4.000000,-0.000000>,0.300000
<-2.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,3.000000,-0.000000>,0.300000
<-1.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,3.000000,-0.000000>,0.300000
<-1.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,4.000000,-0.000000>,0.300000
<0.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.300000
<0.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,3.000000,-0.000000>,0.300000
<1.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,3.000000,-0.000000>,0.300000
<1.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,2.000000,-0.000000>,0.300000
<0.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,2.000000,-0.000000>,0.300000
<-1.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,2.000000,-0.000000>,0.300000
<-1.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,1.000000,-0.000000>,0.300000
<0.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,1.000000,-0.000000>,0.300000
<0.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,-0.000000,-0.000000>,0.300000
<0.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,-1.000000,-0.000000>,0.300000
<1.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-1.000000,-0.000000>,0.300000
<1.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-2.000000,-0.000000>,0.300000
<0.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,-2.000000,-0.000000>,0.300000
<-1.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-2.000000,-0.000000>,0.300000
<-1.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-3.000000,-0.000000>,0.300000
<0.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,-3.000000,-0.000000>,0.300000
<0.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,-4.000000,-0.000000>,0.300000
<1.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-4.000000,-0.000000>,0.300000
<1.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-3.000000,-0.000000>,0.300000
<2.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-3.000000,-0.000000>,0.300000
<2.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-4.000000,-0.000000>,0.300000
<2.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-5.000000,-0.000000>,0.300000
<3.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-5.000000,-0.000000>,0.300000
<3.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-4.000000,-0.000000>,0.300000
<4.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-4.000000,-0.000000>,0.300000
<4.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-5.000000,-0.000000>,0.300000
<5.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-5.000000,-0.000000>,0.300000
<5.000000,-6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-6.000000,-0.000000>,0.300000
<4.000000,-6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-6.000000,-0.000000>,0.300000
<3.000000,-6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-6.000000,-0.000000>,0.300000
<3.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-7.000000,-0.000000>,0.300000
<4.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-7.000000,-0.000000>,0.300000
<4.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-8.000000,-0.000000>,0.300000
<3.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-8.000000,-0.000000>,0.300000
<3.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-9.000000,-0.000000>,0.300000
<2.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-9.000000,-0.000000>,0.300000
<2.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-8.000000,-0.000000>,0.300000
<2.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-7.000000,-0.000000>,0.300000
<1.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-7.000000,-0.000000>,0.300000
<1.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-8.000000,-0.000000>,0.300000
<0.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,-8.000000,-0.000000>,0.300000
<-1.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-8.000000,-0.000000>,0.300000
<-1.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-9.000000,-0.000000>,0.300000
<-2.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-9.000000,-0.000000>,0.300000
<-2.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-8.000000,-0.000000>,0.300000
<-2.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-7.000000,-0.000000>,0.300000
<-3.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-7.000000,-0.000000>,0.300000
<-3.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-8.000000,-0.000000>,0.300000
<-4.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-8.000000,-0.000000>,0.300000
<-4.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-9.000000,-0.000000>,0.300000
<-3.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-9.000000,-0.000000>,0.300000
<-3.000000,-10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-10.000000,-0.000000>,0.300000
<-4.000000,-10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-10.000000,-0.000000>,0.300000
<-5.000000,-10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-10.000000,-0.000000>,0.300000
<-5.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-11.000000,-0.000000>,0.300000
<-4.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-11.000000,-0.000000>,0.300000
<-4.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-12.000000,-0.000000>,0.300000
<-3.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-12.000000,-0.000000>,0.300000
<-3.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.000000,-11.000000,-0.000000>,0.300000
<-2.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-11.000000,-0.000000>,0.300000
<-2.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-12.000000,-0.000000>,0.300000
<-2.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-13.000000,-0.000000>,0.300000
<-1.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-13.000000,-0.000000>,0.300000
<-1.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-12.000000,-0.000000>,0.300000
<0.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,-12.000000,-0.000000>,0.300000
<0.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,-13.000000,-0.000000>,0.300000
<1.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-13.000000,-0.000000>,0.300000
<1.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-14.000000,-0.000000>,0.300000
<0.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,-14.000000,-0.000000>,0.300000
<-1.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-14.000000,-0.000000>,0.300000
<-1.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-15.000000,-0.000000>,0.300000
<0.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,-15.000000,-0.000000>,0.300000
<0.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,-16.000000,-0.000000>,0.300000
<1.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-16.000000,-0.000000>,0.300000
<1.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-15.000000,-0.000000>,0.300000
<2.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-15.000000,-0.000000>,0.300000
<2.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-16.000000,-0.000000>,0.300000
<2.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-17.000000,-0.000000>,0.300000
<3.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-17.000000,-0.000000>,0.300000
<3.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-16.000000,-0.000000>,0.300000
<4.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-16.000000,-0.000000>,0.300000
<4.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-15.000000,-0.000000>,0.300000
<3.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-15.000000,-0.000000>,0.300000
<3.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.000000,-14.000000,-0.000000>,0.300000
<4.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-14.000000,-0.000000>,0.300000
<5.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-14.000000,-0.000000>,0.300000
<5.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-13.000000,-0.000000>,0.300000
<4.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-13.000000,-0.000000>,0.300000
<4.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-12.000000,-0.000000>,0.300000
<5.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-12.000000,-0.000000>,0.300000
<5.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-11.000000,-0.000000>,0.300000
<6.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-11.000000,-0.000000>,0.300000
<6.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-12.000000,-0.000000>,0.300000
<6.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.000000,-13.000000,-0.000000>,0.300000
<7.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-13.000000,-0.000000>,0.300000
<7.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-12.000000,-0.000000>,0.300000
<8.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-12.000000,-0.000000>,0.300000
<8.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-13.000000,-0.000000>,0.300000
<9.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-13.000000,-0.000000>,0.300000
<9.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-14.000000,-0.000000>,0.300000
<8.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-14.000000,-0.000000>,0.300000
<7.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-14.000000,-0.000000>,0.300000
<7.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-15.000000,-0.000000>,0.300000
<8.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-15.000000,-0.000000>,0.300000
<8.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-16.000000,-0.000000>,0.300000
<8.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-17.000000,-0.000000>,0.300000
<9.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-17.000000,-0.000000>,0.300000
<9.000000,-18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-18.000000,-0.000000>,0.300000
<8.000000,-18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-18.000000,-0.000000>,0.300000
<7.000000,-18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-18.000000,-0.000000>,0.300000
<7.000000,-19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-19.000000,-0.000000>,0.300000
<8.000000,-19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-19.000000,-0.000000>,0.300000
<8.000000,-20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-20.000000,-0.000000>,0.300000
<9.000000,-20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-20.000000,-0.000000>,0.300000
<9.000000,-19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.000000,-19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.000000,-19.000000,-0.000000>,0.300000
<10.000000,-19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-19.000000,-0.000000>,0.300000
<10.000000,-20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-20.000000,-0.000000>,0.300000
<10.000000,-21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-21.000000,-0.000000>,0.300000
<11.000000,-21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-21.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-21.000000,-0.000000>,0.300000
<11.000000,-20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-20.000000,-0.000000>,0.300000
<12.000000,-20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-20.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-20.000000,-0.000000>,0.300000
<12.000000,-19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-19.000000,-0.000000>,0.300000
<11.000000,-19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-19.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-19.000000,-0.000000>,0.300000
<11.000000,-18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-18.000000,-0.000000>,0.300000
<12.000000,-18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-18.000000,-0.000000>,0.300000
<13.000000,-18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-18.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-18.000000,-0.000000>,0.300000
<13.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-17.000000,-0.000000>,0.300000
<12.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-17.000000,-0.000000>,0.300000
<12.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-16.000000,-0.000000>,0.300000
<13.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-16.000000,-0.000000>,0.300000
<13.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-15.000000,-0.000000>,0.300000
<14.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-15.000000,-0.000000>,0.300000
<14.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-16.000000,-0.000000>,0.300000
<14.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-17.000000,-0.000000>,0.300000
<15.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-17.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-17.000000,-0.000000>,0.300000
<15.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-16.000000,-0.000000>,0.300000
<16.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-16.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-16.000000,-0.000000>,0.300000
<16.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-15.000000,-0.000000>,0.300000
<15.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-15.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-15.000000,-0.000000>,0.300000
<15.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-14.000000,-0.000000>,0.300000
<16.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-14.000000,-0.000000>,0.300000
<17.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-14.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-14.000000,-0.000000>,0.300000
<17.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-13.000000,-0.000000>,0.300000
<16.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-13.000000,-0.000000>,0.300000
<16.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-12.000000,-0.000000>,0.300000
<15.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-12.000000,-0.000000>,0.300000
<15.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-13.000000,-0.000000>,0.300000
<14.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-13.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-13.000000,-0.000000>,0.300000
<14.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-12.000000,-0.000000>,0.300000
<14.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-11.000000,-0.000000>,0.300000
<13.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-11.000000,-0.000000>,0.300000
<13.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-12.000000,-0.000000>,0.300000
<12.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-12.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-12.000000,-0.000000>,0.300000
<12.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-11.000000,-0.000000>,0.300000
<11.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-11.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-11.000000,-0.000000>,0.300000
<11.000000,-10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-10.000000,-0.000000>,0.300000
<12.000000,-10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-10.000000,-0.000000>,0.300000
<13.000000,-10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-10.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-10.000000,-0.000000>,0.300000
<13.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-9.000000,-0.000000>,0.300000
<12.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-9.000000,-0.000000>,0.300000
<12.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.000000,-8.000000,-0.000000>,0.300000
<13.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-8.000000,-0.000000>,0.300000
<13.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-7.000000,-0.000000>,0.300000
<14.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-7.000000,-0.000000>,0.300000
<14.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-8.000000,-0.000000>,0.300000
<14.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-9.000000,-0.000000>,0.300000
<15.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-9.000000,-0.000000>,0.300000
<15.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-8.000000,-0.000000>,0.300000
<16.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-8.000000,-0.000000>,0.300000
<17.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-8.000000,-0.000000>,0.300000
<17.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-7.000000,-0.000000>,0.300000
<18.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-7.000000,-0.000000>,0.300000
<18.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-8.000000,-0.000000>,0.300000
<18.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-9.000000,-0.000000>,0.300000
<19.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-9.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-9.000000,-0.000000>,0.300000
<19.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-8.000000,-0.000000>,0.300000
<20.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-8.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-8.000000,-0.000000>,0.300000
<20.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-7.000000,-0.000000>,0.300000
<19.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-7.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-7.000000,-0.000000>,0.300000
<19.000000,-6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-6.000000,-0.000000>,0.300000
<20.000000,-6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-6.000000,-0.000000>,0.300000
<21.000000,-6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-6.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-6.000000,-0.000000>,0.300000
<21.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,-5.000000,-0.000000>,0.300000
<20.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-5.000000,-0.000000>,0.300000
<20.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-4.000000,-0.000000>,0.300000
<19.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-4.000000,-0.000000>,0.300000
<19.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-5.000000,-0.000000>,0.300000
<18.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-5.000000,-0.000000>,0.300000
<18.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-4.000000,-0.000000>,0.300000
<18.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-3.000000,-0.000000>,0.300000
<17.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-3.000000,-0.000000>,0.300000
<17.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-4.000000,-0.000000>,0.300000
<16.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-4.000000,-0.000000>,0.300000
<16.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-3.000000,-0.000000>,0.300000
<15.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-3.000000,-0.000000>,0.300000
<15.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.000000,-2.000000,-0.000000>,0.300000
<16.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-2.000000,-0.000000>,0.300000
<17.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-2.000000,-0.000000>,0.300000
<17.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-1.000000,-0.000000>,0.300000
<16.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-1.000000,-0.000000>,0.300000
<16.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,0.000000,-0.000000>,0.300000
<17.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,0.000000,-0.000000>,0.300000
<17.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,1.000000,-0.000000>,0.300000
<18.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,1.000000,-0.000000>,0.300000
<18.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,0.000000,-0.000000>,0.300000
<18.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.000000,-1.000000,-0.000000>,0.300000
<19.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-1.000000,-0.000000>,0.300000
<19.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,0.000000,-0.000000>,0.300000
<20.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,0.000000,-0.000000>,0.300000
<20.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,1.000000,-0.000000>,0.300000
<19.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,1.000000,-0.000000>,0.300000
<19.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,2.000000,-0.000000>,0.300000
<20.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,2.000000,-0.000000>,0.300000
<21.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,2.000000,-0.000000>,0.300000
<21.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,3.000000,-0.000000>,0.300000
<20.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,3.000000,-0.000000>,0.300000
<20.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,4.000000,-0.000000>,0.300000
<21.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,4.000000,-0.000000>,0.300000
<21.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.000000,5.000000,-0.000000>,0.300000
<22.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,5.000000,-0.000000>,0.300000
<22.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,4.000000,-0.000000>,0.300000
<22.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,3.000000,-0.000000>,0.300000
<23.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,3.000000,-0.000000>,0.300000
<23.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,4.000000,-0.000000>,0.300000
<24.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,4.000000,-0.000000>,0.300000
<24.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,3.000000,-0.000000>,0.300000
<25.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,3.000000,-0.000000>,0.300000
<25.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,2.000000,-0.000000>,0.300000
<24.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,2.000000,-0.000000>,0.300000
<23.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,2.000000,-0.000000>,0.300000
<23.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,1.000000,-0.000000>,0.300000
<24.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,1.000000,-0.000000>,0.300000
<24.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,0.000000,-0.000000>,0.300000
<24.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-1.000000,-0.000000>,0.300000
<25.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-1.000000,-0.000000>,0.300000
<25.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-2.000000,-0.000000>,0.300000
<24.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-2.000000,-0.000000>,0.300000
<23.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-2.000000,-0.000000>,0.300000
<23.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-3.000000,-0.000000>,0.300000
<24.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-3.000000,-0.000000>,0.300000
<24.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.000000,-4.000000,-0.000000>,0.300000
<25.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-4.000000,-0.000000>,0.300000
<25.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-3.000000,-0.000000>,0.300000
<26.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-3.000000,-0.000000>,0.300000
<26.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-4.000000,-0.000000>,0.300000
<26.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-5.000000,-0.000000>,0.300000
<27.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-5.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-5.000000,-0.000000>,0.300000
<27.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-4.000000,-0.000000>,0.300000
<28.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-4.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-4.000000,-0.000000>,0.300000
<28.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-3.000000,-0.000000>,0.300000
<27.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-3.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-3.000000,-0.000000>,0.300000
<27.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.000000,-2.000000,-0.000000>,0.300000
<28.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-2.000000,-0.000000>,0.300000
<29.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-2.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-2.000000,-0.000000>,0.300000
<29.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-1.000000,-0.000000>,0.300000
<28.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-1.000000,-0.000000>,0.300000
<28.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,0.000000,-0.000000>,0.300000
<29.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,0.000000,-0.000000>,0.300000
<29.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,1.000000,-0.000000>,0.300000
<30.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,1.000000,-0.000000>,0.300000
<30.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,0.000000,-0.000000>,0.300000
<30.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.000000,-1.000000,-0.000000>,0.300000
<31.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-1.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-1.000000,-0.000000>,0.300000
<31.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,0.000000,-0.000000>,0.300000
<32.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.000000,0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 42.599998, 127.199997>
look_at   <0, 42.599998,  0>
}
