#include "colors.inc"
light_source { <428.441895, 428.441895, 428.441895> color White}

cone {
<0.000000,0.000000,-0.000000>,0.100000
<0.000000,1.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,1.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,1.000000,-0.000000>,0.900000
<0.000000,2.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,2.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,2.000000,-0.000000>,0.900000
<0.000000,3.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,3.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,3.000000,-0.000000>,0.900000
<0.000000,4.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,4.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.900000
<0.000000,5.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,5.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.900000
<0.000000,6.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,6.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.900000
<0.000000,7.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,7.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,7.000000,-0.000000>,0.900000
<0.000000,8.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,8.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.900000
<0.000000,9.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,9.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,0.900000
<0.434445,9.900699,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,9.900699,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,9.900699,-0.000000>,0.900000
<0.868891,10.801396,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,10.801396,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,0.900000
<0.000000,10.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.900000
<0.000000,11.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,11.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,11.000000,-0.000000>,0.900000
<0.000000,12.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,12.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.900000
<0.000000,13.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.900000
<0.434445,13.900699,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,13.900699,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,13.900699,-0.000000>,0.900000
<0.868891,14.801396,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,14.801396,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.900000
<0.000000,14.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,14.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.900000
<0.000000,15.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,15.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.000000,-0.000000>,0.900000
<0.000000,16.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,16.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.900000
<0.000000,17.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,17.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.900000
<0.000000,18.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.900000
<0.434445,18.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,18.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,18.900698,-0.000000>,0.900000
<0.434445,19.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,19.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,19.900698,-0.000000>,0.900000
<0.434445,20.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,20.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,18.900698,-0.000000>,0.900000
<0.868891,19.801397,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,19.801397,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.900000
<0.000000,19.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.900000
<0.434445,19.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,19.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,19.900698,-0.000000>,0.900000
<0.868891,20.801397,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,20.801397,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.900000
<0.000000,20.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,20.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.900000
<0.000000,21.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.900000
<0.000000,22.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,22.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.900000
<-0.434445,22.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,22.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,22.900698,-0.000000>,0.900000
<-0.868891,23.801397,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,23.801397,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.900000
<0.000000,23.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,23.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,23.000000,-0.000000>,0.900000
<0.000000,24.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,24.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.900000
<0.000000,25.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,25.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.900000
<0.434445,25.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,25.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,25.900698,-0.000000>,0.900000
<0.434445,26.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,26.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,26.900698,-0.000000>,0.900000
<0.868891,27.801397,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,27.801397,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,27.801397,-0.000000>,0.900000
<1.303336,28.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,28.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,26.900698,-0.000000>,0.900000
<0.434445,27.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,27.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,25.900698,-0.000000>,0.900000
<0.868891,26.801397,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,26.801397,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.900000
<0.000000,26.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,26.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.900000
<0.000000,27.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.000000,-0.000000>,0.900000
<0.434445,27.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,27.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,27.900698,-0.000000>,0.900000
<1.217053,28.523212,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.217053,28.523212,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,28.523212,-0.000000>,0.900000
<1.999662,29.145727,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.999662,29.145727,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,27.900698,-0.000000>,0.900000
<0.868891,28.801397,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,28.801397,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.000000,-0.000000>,0.900000
<0.000000,28.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,28.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.900000
<0.434445,28.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,28.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,28.900698,-0.000000>,0.900000
<0.868891,29.801397,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,29.801397,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.900000
<0.000000,29.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,0.900000
<0.000000,30.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,30.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.900000
<0.000000,31.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,31.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,31.000000,-0.000000>,0.900000
<-0.434445,31.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,31.900698,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,31.900698,-0.000000>,0.900000
<-0.434445,32.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,32.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,32.900700,-0.000000>,0.900000
<-0.434445,33.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,33.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,31.900698,-0.000000>,0.900000
<-0.868891,32.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,32.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,31.000000,-0.000000>,0.900000
<0.000000,32.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,32.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.900000
<0.000000,33.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,33.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,33.000000,-0.000000>,0.900000
<0.000000,34.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,34.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.900000
<0.434445,34.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,34.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,34.900700,-0.000000>,0.900000
<0.868891,35.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,35.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.900000
<0.434445,34.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,34.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,34.900700,-0.000000>,0.900000
<0.868891,35.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,35.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,35.801395,-0.000000>,0.900000
<1.303336,36.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,36.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,36.702095,-0.000000>,0.900000
<1.303336,37.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,37.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,37.702095,-0.000000>,0.900000
<1.737781,38.602795,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,38.602795,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,38.602795,-0.000000>,0.900000
<2.172226,39.503490,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.172226,39.503490,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,37.702095,-0.000000>,0.900000
<1.303336,38.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,38.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,36.702095,-0.000000>,0.900000
<1.737781,37.602795,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,37.602795,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.900000
<0.000000,35.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,35.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,35.000000,-0.000000>,0.900000
<0.000000,36.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,36.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.900000
<-0.434445,36.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,36.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,36.900700,-0.000000>,0.900000
<-0.868891,37.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,37.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.900000
<0.000000,37.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,37.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,37.000000,-0.000000>,0.900000
<0.000000,38.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,38.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.900000
<0.434445,38.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,38.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,38.900700,-0.000000>,0.900000
<1.217053,39.523212,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.217053,39.523212,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,39.523212,-0.000000>,0.900000
<1.999662,40.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.999662,40.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,38.900700,-0.000000>,0.900000
<0.868891,39.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,39.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.900000
<0.000000,39.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,39.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,39.000000,-0.000000>,0.900000
<0.434445,39.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,39.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,39.900700,-0.000000>,0.900000
<0.868891,40.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,40.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,39.000000,-0.000000>,0.900000
<0.000000,40.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,40.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.900000
<0.000000,41.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,41.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.000000,-0.000000>,0.900000
<0.000000,42.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,42.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.900000
<-0.434445,42.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,42.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,42.900700,-0.000000>,0.900000
<-0.434445,43.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,43.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,43.900700,-0.000000>,0.900000
<-0.434445,44.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,44.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,42.900700,-0.000000>,0.900000
<-0.868891,43.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,43.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.900000
<0.000000,43.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,43.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,43.000000,-0.000000>,0.900000
<0.000000,44.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,44.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.900000
<-0.434445,44.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,44.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,44.900700,-0.000000>,0.900000
<-0.868891,45.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,45.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.900000
<0.000000,45.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,45.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,45.000000,-0.000000>,0.900000
<0.000000,46.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,46.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.000000,-0.000000>,0.900000
<0.000000,47.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,47.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,47.000000,-0.000000>,0.900000
<0.434445,47.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,47.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,47.900700,-0.000000>,0.900000
<0.868891,48.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,48.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,47.000000,-0.000000>,0.900000
<0.434445,47.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,47.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,47.900700,-0.000000>,0.900000
<0.868891,48.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,48.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,48.801395,-0.000000>,0.900000
<1.303336,49.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,49.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,49.702095,-0.000000>,0.900000
<1.303336,50.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,50.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,50.702095,-0.000000>,0.900000
<1.303336,51.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,51.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,51.702095,-0.000000>,0.900000
<1.737781,52.602795,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,52.602795,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,52.602795,-0.000000>,0.900000
<1.737781,53.602795,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,53.602795,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,53.602795,-0.000000>,0.900000
<1.737781,54.602795,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,54.602795,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,52.602795,-0.000000>,0.900000
<2.172226,53.503490,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.172226,53.503490,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,51.702095,-0.000000>,0.900000
<1.303336,52.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,52.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,49.702095,-0.000000>,0.900000
<1.737781,50.602795,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,50.602795,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,47.000000,-0.000000>,0.900000
<0.000000,48.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,48.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.000000,-0.000000>,0.900000
<0.434445,48.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,48.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,48.900700,-0.000000>,0.900000
<0.868891,49.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,49.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.000000,-0.000000>,0.900000
<0.000000,49.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,49.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,49.000000,-0.000000>,0.900000
<0.000000,50.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,50.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.900000
<-0.434445,50.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,50.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,50.900700,-0.000000>,0.900000
<-1.217053,51.523212,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.217053,51.523212,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.217053,51.523212,-0.000000>,0.900000
<-1.999662,52.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.999662,52.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,50.900700,-0.000000>,0.900000
<-0.868891,51.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,51.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.900000
<0.000000,51.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,51.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,51.000000,-0.000000>,0.900000
<-0.434445,51.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,51.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,51.900700,-0.000000>,0.900000
<-0.868891,52.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,52.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,51.000000,-0.000000>,0.900000
<0.000000,52.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,52.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.000000,-0.000000>,0.900000
<0.000000,53.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,53.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,53.000000,-0.000000>,0.900000
<0.434445,53.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,53.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,53.900700,-0.000000>,0.900000
<1.217053,54.523212,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.217053,54.523212,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,54.523212,-0.000000>,0.900000
<1.651499,55.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.651499,55.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.651499,55.423912,-0.000000>,0.900000
<2.085944,56.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.085944,56.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,54.523212,-0.000000>,0.900000
<1.999662,55.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.999662,55.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,53.900700,-0.000000>,0.900000
<0.868891,54.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,54.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,53.000000,-0.000000>,0.900000
<0.000000,54.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,54.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,54.000000,-0.000000>,0.900000
<0.434445,54.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,54.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,54.900700,-0.000000>,0.900000
<0.434445,55.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,55.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,55.900700,-0.000000>,0.900000
<0.434445,56.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,56.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,54.900700,-0.000000>,0.900000
<0.868891,55.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,55.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,54.000000,-0.000000>,0.900000
<0.000000,55.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,55.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,55.000000,-0.000000>,0.900000
<0.000000,56.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,56.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,56.000000,-0.000000>,0.900000
<0.000000,57.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,57.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,57.000000,-0.000000>,0.900000
<-0.434445,57.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,57.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,57.900700,-0.000000>,0.900000
<-0.868891,58.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,58.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,58.801395,-0.000000>,0.900000
<-0.868891,59.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,59.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,59.801395,-0.000000>,0.900000
<-1.303336,60.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,60.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,60.702095,-0.000000>,0.900000
<-1.737781,61.602795,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,61.602795,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,59.801395,-0.000000>,0.900000
<-0.868891,60.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,60.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,58.801395,-0.000000>,0.900000
<-1.303336,59.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,59.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,57.000000,-0.000000>,0.900000
<0.000000,58.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,58.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,58.000000,-0.000000>,0.900000
<0.434445,58.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,58.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,58.900700,-0.000000>,0.900000
<0.868891,59.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,59.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,58.000000,-0.000000>,0.900000
<0.000000,59.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,59.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,59.000000,-0.000000>,0.900000
<0.000000,60.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,60.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,60.000000,-0.000000>,0.900000
<-0.434445,60.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,60.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,60.900700,-0.000000>,0.900000
<-1.217053,61.523212,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.217053,61.523212,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.217053,61.523212,-0.000000>,0.900000
<-1.999662,62.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.999662,62.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,60.900700,-0.000000>,0.900000
<-0.868891,61.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,61.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,60.000000,-0.000000>,0.900000
<0.000000,61.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,61.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,61.000000,-0.000000>,0.900000
<-0.434445,61.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,61.900700,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,61.900700,-0.000000>,0.900000
<-0.868891,62.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,62.801395,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,61.000000,-0.000000>,0.900000
<0.000000,62.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,62.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,62.000000,-0.000000>,0.900000
<0.000000,63.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,63.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,63.000000,-0.000000>,0.900000
<0.000000,64.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,64.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,64.000000,-0.000000>,0.900000
<0.434445,64.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,64.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,64.900696,-0.000000>,0.900000
<0.434445,65.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,65.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,65.900696,-0.000000>,0.900000
<0.434445,66.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,66.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,64.900696,-0.000000>,0.900000
<0.868891,65.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,65.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,64.000000,-0.000000>,0.900000
<0.434445,64.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,64.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,64.900696,-0.000000>,0.900000
<1.217053,65.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.217053,65.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,65.523216,-0.000000>,0.900000
<1.999662,66.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.999662,66.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,64.900696,-0.000000>,0.900000
<0.868891,65.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,65.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,65.801399,-0.000000>,0.900000
<1.303336,66.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,66.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,66.702095,-0.000000>,0.900000
<1.737781,67.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,67.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,67.602791,-0.000000>,0.900000
<1.737781,68.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,68.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,68.602791,-0.000000>,0.900000
<1.737781,69.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,69.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,67.602791,-0.000000>,0.900000
<1.737781,68.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,68.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,68.602791,-0.000000>,0.900000
<1.737781,69.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,69.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,69.602791,-0.000000>,0.900000
<1.737781,70.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,70.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,70.602791,-0.000000>,0.900000
<2.172226,71.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.172226,71.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.172226,71.503494,-0.000000>,0.900000
<2.172226,72.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.172226,72.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.172226,72.503494,-0.000000>,0.900000
<2.606672,73.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.606672,73.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.606672,73.404190,-0.000000>,0.900000
<3.041117,74.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.041117,74.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.172226,72.503494,-0.000000>,0.900000
<2.172226,73.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.172226,73.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.172226,71.503494,-0.000000>,0.900000
<2.606672,72.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.606672,72.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,70.602791,-0.000000>,0.900000
<1.737781,71.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,71.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,67.602791,-0.000000>,0.900000
<2.172226,68.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.172226,68.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,64.000000,-0.000000>,0.900000
<0.000000,65.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,65.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,65.000000,-0.000000>,0.900000
<0.000000,66.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,66.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,66.000000,-0.000000>,0.900000
<0.434445,66.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,66.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,66.900696,-0.000000>,0.900000
<1.217053,67.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.217053,67.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,67.523216,-0.000000>,0.900000
<1.999662,68.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.999662,68.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,66.900696,-0.000000>,0.900000
<0.868891,67.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,67.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,66.000000,-0.000000>,0.900000
<0.000000,67.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,67.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,67.000000,-0.000000>,0.900000
<0.434445,67.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,67.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,67.900696,-0.000000>,0.900000
<0.868891,68.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,68.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,67.000000,-0.000000>,0.900000
<0.000000,68.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,68.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,68.000000,-0.000000>,0.900000
<0.000000,69.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,69.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,69.000000,-0.000000>,0.900000
<-0.434445,69.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,69.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,69.900696,-0.000000>,0.900000
<-1.217053,70.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.217053,70.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.217053,70.523216,-0.000000>,0.900000
<-1.651499,71.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.651499,71.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.651499,71.423912,-0.000000>,0.900000
<-2.085944,72.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.085944,72.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.217053,70.523216,-0.000000>,0.900000
<-1.999662,71.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.999662,71.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,69.900696,-0.000000>,0.900000
<-0.868891,70.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,70.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,69.000000,-0.000000>,0.900000
<0.000000,70.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,70.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,70.000000,-0.000000>,0.900000
<-0.434445,70.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,70.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,70.900696,-0.000000>,0.900000
<-0.434445,71.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,71.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,71.900696,-0.000000>,0.900000
<-0.434445,72.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,72.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,70.900696,-0.000000>,0.900000
<-0.868891,71.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,71.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,70.000000,-0.000000>,0.900000
<0.000000,71.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,71.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,71.000000,-0.000000>,0.900000
<0.000000,72.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,72.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,72.000000,-0.000000>,0.900000
<0.434445,72.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,72.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,72.900696,-0.000000>,0.900000
<1.217053,73.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.217053,73.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,73.523216,-0.000000>,0.900000
<1.651499,74.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.651499,74.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.651499,74.423912,-0.000000>,0.900000
<2.434107,75.046425,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.434107,75.046425,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.434107,75.046425,-0.000000>,0.900000
<3.216715,75.668938,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.216715,75.668938,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.651499,74.423912,-0.000000>,0.900000
<2.085944,75.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.085944,75.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,73.523216,-0.000000>,0.900000
<1.999662,74.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.999662,74.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,72.900696,-0.000000>,0.900000
<0.868891,73.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,73.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,72.000000,-0.000000>,0.900000
<0.000000,73.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,73.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,73.000000,-0.000000>,0.900000
<0.434445,73.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,73.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,73.900696,-0.000000>,0.900000
<0.434445,74.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,74.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,74.900696,-0.000000>,0.900000
<0.868891,75.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,75.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,75.801399,-0.000000>,0.900000
<1.303336,76.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,76.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,74.900696,-0.000000>,0.900000
<0.434445,75.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,75.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,73.900696,-0.000000>,0.900000
<0.868891,74.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,74.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,73.000000,-0.000000>,0.900000
<0.000000,74.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,74.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,74.000000,-0.000000>,0.900000
<0.000000,75.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,75.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,75.000000,-0.000000>,0.900000
<0.000000,76.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,76.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,76.000000,-0.000000>,0.900000
<0.000000,77.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,77.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,77.000000,-0.000000>,0.900000
<-0.434445,77.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,77.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,77.900696,-0.000000>,0.900000
<-0.868891,78.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,78.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,77.000000,-0.000000>,0.900000
<-0.434445,77.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,77.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,77.900696,-0.000000>,0.900000
<-0.868891,78.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,78.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,78.801399,-0.000000>,0.900000
<-1.303336,79.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,79.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,79.702095,-0.000000>,0.900000
<-1.303336,80.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,80.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,80.702095,-0.000000>,0.900000
<-1.737781,81.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,81.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,81.602791,-0.000000>,0.900000
<-1.737781,82.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,82.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,82.602791,-0.000000>,0.900000
<-1.737781,83.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,83.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,81.602791,-0.000000>,0.900000
<-2.172226,82.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,82.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,80.702095,-0.000000>,0.900000
<-1.303336,81.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,81.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,79.702095,-0.000000>,0.900000
<-1.737781,80.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,80.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,77.000000,-0.000000>,0.900000
<0.000000,78.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,78.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,78.000000,-0.000000>,0.900000
<0.000000,79.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,79.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,79.000000,-0.000000>,0.900000
<0.434445,79.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,79.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,79.900696,-0.000000>,0.900000
<1.217053,80.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.217053,80.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,80.523216,-0.000000>,0.900000
<1.999662,81.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.999662,81.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,79.900696,-0.000000>,0.900000
<0.868891,80.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,80.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,79.000000,-0.000000>,0.900000
<0.000000,80.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,80.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,80.000000,-0.000000>,0.900000
<0.434445,80.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,80.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,80.900696,-0.000000>,0.900000
<0.868891,81.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,81.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,80.000000,-0.000000>,0.900000
<0.000000,81.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,81.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,81.000000,-0.000000>,0.900000
<0.000000,82.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,82.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,82.000000,-0.000000>,0.900000
<-0.434445,82.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,82.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,82.900696,-0.000000>,0.900000
<-1.217053,83.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.217053,83.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.217053,83.523216,-0.000000>,0.900000
<-1.651499,84.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.651499,84.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.651499,84.423912,-0.000000>,0.900000
<-2.085944,85.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.085944,85.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.217053,83.523216,-0.000000>,0.900000
<-1.999662,84.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.999662,84.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,82.900696,-0.000000>,0.900000
<-0.868891,83.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,83.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,82.000000,-0.000000>,0.900000
<0.000000,83.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,83.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,83.000000,-0.000000>,0.900000
<-0.434445,83.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,83.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,83.900696,-0.000000>,0.900000
<-0.434445,84.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,84.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,84.900696,-0.000000>,0.900000
<-0.434445,85.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,85.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,83.900696,-0.000000>,0.900000
<-0.868891,84.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,84.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,83.000000,-0.000000>,0.900000
<0.000000,84.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,84.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,84.000000,-0.000000>,0.900000
<0.000000,85.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,85.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,85.000000,-0.000000>,0.900000
<0.000000,86.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,86.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,86.000000,-0.000000>,0.900000
<0.434445,86.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,86.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,86.900696,-0.000000>,0.900000
<0.434445,87.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,87.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,87.900696,-0.000000>,0.900000
<0.868891,88.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,88.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,88.801399,-0.000000>,0.900000
<1.303336,89.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,89.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,87.900696,-0.000000>,0.900000
<0.434445,88.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,88.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,86.900696,-0.000000>,0.900000
<0.868891,87.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,87.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,86.000000,-0.000000>,0.900000
<0.434445,86.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,86.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,86.900696,-0.000000>,0.900000
<0.868891,87.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,87.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,87.801399,-0.000000>,0.900000
<1.651499,88.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.651499,88.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.651499,88.423912,-0.000000>,0.900000
<2.626841,88.644608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.626841,88.644608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.626841,88.644608,-0.000000>,0.900000
<3.602183,88.865303,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.602183,88.865303,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.651499,88.423912,-0.000000>,0.900000
<2.434107,89.046425,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.434107,89.046425,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,87.801399,-0.000000>,0.900000
<1.303336,88.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,88.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,88.702095,-0.000000>,0.900000
<2.085944,89.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.085944,89.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.085944,89.324608,-0.000000>,0.900000
<2.868552,89.947121,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.868552,89.947121,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,88.702095,-0.000000>,0.900000
<1.737781,89.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,89.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,89.602791,-0.000000>,0.900000
<2.172226,90.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.172226,90.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.172226,90.503494,-0.000000>,0.900000
<2.606672,91.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.606672,91.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.606672,91.404190,-0.000000>,0.900000
<2.606672,92.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.606672,92.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.606672,92.404190,-0.000000>,0.900000
<3.041117,93.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.041117,93.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.041117,93.304886,-0.000000>,0.900000
<3.475562,94.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.475562,94.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.606672,92.404190,-0.000000>,0.900000
<2.606672,93.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.606672,93.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.606672,91.404190,-0.000000>,0.900000
<2.606672,92.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.606672,92.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.606672,92.404190,-0.000000>,0.900000
<2.606672,93.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.606672,93.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.606672,93.404190,-0.000000>,0.900000
<2.606672,94.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.606672,94.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.606672,94.404190,-0.000000>,0.900000
<3.041117,95.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.041117,95.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.041117,95.304886,-0.000000>,0.900000
<3.475562,96.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.475562,96.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.606672,94.404190,-0.000000>,0.900000
<3.041117,95.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.041117,95.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.041117,95.304886,-0.000000>,0.900000
<3.475562,96.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.475562,96.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.475562,96.205589,-0.000000>,0.900000
<3.910007,97.106285,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.910007,97.106285,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.910007,97.106285,-0.000000>,0.900000
<3.910007,98.106285,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.910007,98.106285,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.910007,98.106285,-0.000000>,0.900000
<4.344452,99.006981,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.344452,99.006981,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.344452,99.006981,-0.000000>,0.900000
<4.778898,99.907684,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.778898,99.907684,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.910007,98.106285,-0.000000>,0.900000
<3.910007,99.106285,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.910007,99.106285,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.910007,97.106285,-0.000000>,0.900000
<4.344452,98.006981,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.344452,98.006981,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.606672,94.404190,-0.000000>,0.900000
<2.606672,95.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.606672,95.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.606672,91.404190,-0.000000>,0.900000
<3.041117,92.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.041117,92.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,86.000000,-0.000000>,0.900000
<0.000000,87.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,87.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,87.000000,-0.000000>,0.900000
<0.000000,88.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,88.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,88.000000,-0.000000>,0.900000
<-0.434445,88.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,88.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,88.900696,-0.000000>,0.900000
<-0.868891,89.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,89.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,88.000000,-0.000000>,0.900000
<0.000000,89.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,89.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,89.000000,-0.000000>,0.900000
<0.000000,90.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,90.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,90.000000,-0.000000>,0.900000
<0.434445,90.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,90.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,90.900696,-0.000000>,0.900000
<1.217053,91.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.217053,91.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,91.523216,-0.000000>,0.900000
<1.999662,92.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.999662,92.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,90.900696,-0.000000>,0.900000
<0.868891,91.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,91.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,90.000000,-0.000000>,0.900000
<0.000000,91.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,91.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,91.000000,-0.000000>,0.900000
<0.434445,91.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,91.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,91.900696,-0.000000>,0.900000
<0.868891,92.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,92.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,91.000000,-0.000000>,0.900000
<0.000000,92.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,92.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,92.000000,-0.000000>,0.900000
<0.000000,93.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,93.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,93.000000,-0.000000>,0.900000
<-0.434445,93.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,93.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,93.900696,-0.000000>,0.900000
<-1.217053,94.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.217053,94.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.217053,94.523216,-0.000000>,0.900000
<-1.651499,95.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.651499,95.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.651499,95.423912,-0.000000>,0.900000
<-2.085944,96.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.085944,96.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.217053,94.523216,-0.000000>,0.900000
<-1.999662,95.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.999662,95.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,93.900696,-0.000000>,0.900000
<-0.868891,94.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,94.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,93.000000,-0.000000>,0.900000
<0.000000,94.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,94.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,94.000000,-0.000000>,0.900000
<-0.434445,94.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,94.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,94.900696,-0.000000>,0.900000
<-0.434445,95.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,95.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,95.900696,-0.000000>,0.900000
<-0.434445,96.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,96.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,94.900696,-0.000000>,0.900000
<-0.868891,95.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,95.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,94.000000,-0.000000>,0.900000
<0.000000,95.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,95.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,95.000000,-0.000000>,0.900000
<0.000000,96.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,96.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,96.000000,-0.000000>,0.900000
<0.000000,97.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,97.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,97.000000,-0.000000>,0.900000
<0.434445,97.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,97.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,97.900696,-0.000000>,0.900000
<1.217053,98.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.217053,98.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,98.523216,-0.000000>,0.900000
<1.999662,99.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.999662,99.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,97.900696,-0.000000>,0.900000
<1.217053,98.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.217053,98.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,98.523216,-0.000000>,0.900000
<1.999662,99.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.999662,99.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.999662,99.145729,-0.000000>,0.900000
<2.782270,99.768242,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.782270,99.768242,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.782270,99.768242,-0.000000>,0.900000
<3.216715,100.668938,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.216715,100.668938,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.216715,100.668938,-0.000000>,0.900000
<3.999323,101.291458,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.999323,101.291458,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.999323,101.291458,-0.000000>,0.900000
<4.781931,101.913971,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.781931,101.913971,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.216715,100.668938,-0.000000>,0.900000
<3.651160,101.569641,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.651160,101.569641,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.782270,99.768242,-0.000000>,0.900000
<3.564878,100.390755,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.564878,100.390755,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,97.900696,-0.000000>,0.900000
<0.868891,98.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,98.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,97.000000,-0.000000>,0.900000
<0.000000,98.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,98.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,98.000000,-0.000000>,0.900000
<0.000000,99.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,99.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,99.000000,-0.000000>,0.900000
<-0.434445,99.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,99.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,99.900696,-0.000000>,0.900000
<-0.868891,100.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,100.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,99.000000,-0.000000>,0.900000
<0.434445,99.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,99.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,99.900696,-0.000000>,0.900000
<0.868891,100.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,100.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,100.801399,-0.000000>,0.900000
<0.868891,101.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,101.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,101.801399,-0.000000>,0.900000
<1.303336,102.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,102.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,102.702095,-0.000000>,0.900000
<1.737781,103.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,103.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,101.801399,-0.000000>,0.900000
<0.868891,102.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,102.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,100.801399,-0.000000>,0.900000
<1.303336,101.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,101.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,99.000000,-0.000000>,0.900000
<0.000000,100.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,100.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,100.000000,-0.000000>,0.900000
<0.000000,101.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,101.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,101.000000,-0.000000>,0.900000
<0.000000,102.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,102.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,102.000000,-0.000000>,0.900000
<0.000000,103.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,103.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,103.000000,-0.000000>,0.900000
<0.000000,104.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,104.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,104.000000,-0.000000>,0.900000
<-0.434445,104.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,104.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,104.900696,-0.000000>,0.900000
<-0.434445,105.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,105.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,105.900696,-0.000000>,0.900000
<-0.434445,106.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,106.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,104.900696,-0.000000>,0.900000
<-0.868891,105.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,105.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,104.000000,-0.000000>,0.900000
<-0.434445,104.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,104.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,104.900696,-0.000000>,0.900000
<-0.868891,105.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,105.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,105.801399,-0.000000>,0.900000
<-1.303336,106.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,106.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,106.702095,-0.000000>,0.900000
<-1.303336,107.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,107.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,107.702095,-0.000000>,0.900000
<-1.303336,108.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,108.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,106.702095,-0.000000>,0.900000
<-1.303336,107.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,107.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,107.702095,-0.000000>,0.900000
<-1.303336,108.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,108.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,108.702095,-0.000000>,0.900000
<-1.303336,109.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,109.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,109.702095,-0.000000>,0.900000
<-1.737781,110.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,110.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,110.602791,-0.000000>,0.900000
<-1.737781,111.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,111.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,111.602791,-0.000000>,0.900000
<-1.737781,112.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,112.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,110.602791,-0.000000>,0.900000
<-2.172226,111.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,111.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,109.702095,-0.000000>,0.900000
<-1.303336,110.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,110.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,106.702095,-0.000000>,0.900000
<-1.737781,107.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,107.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,104.000000,-0.000000>,0.900000
<0.000000,105.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,105.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,105.000000,-0.000000>,0.900000
<0.000000,106.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,106.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,106.000000,-0.000000>,0.900000
<-0.434445,106.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,106.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,106.900696,-0.000000>,0.900000
<-0.868891,107.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,107.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,106.000000,-0.000000>,0.900000
<0.000000,107.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,107.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,107.000000,-0.000000>,0.900000
<0.000000,108.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,108.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,108.000000,-0.000000>,0.900000
<0.434445,108.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,108.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,108.900696,-0.000000>,0.900000
<1.217053,109.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.217053,109.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,109.523216,-0.000000>,0.900000
<1.999662,110.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.999662,110.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,108.900696,-0.000000>,0.900000
<0.868891,109.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,109.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,108.000000,-0.000000>,0.900000
<0.000000,109.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,109.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,109.000000,-0.000000>,0.900000
<0.434445,109.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,109.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,109.900696,-0.000000>,0.900000
<0.868891,110.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,110.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,109.000000,-0.000000>,0.900000
<0.000000,110.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,110.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,110.000000,-0.000000>,0.900000
<0.000000,111.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,111.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,111.000000,-0.000000>,0.900000
<-0.434445,111.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,111.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,111.900696,-0.000000>,0.900000
<-1.217053,112.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.217053,112.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.217053,112.523216,-0.000000>,0.900000
<-1.651499,113.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.651499,113.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.651499,113.423912,-0.000000>,0.900000
<-2.085944,114.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.085944,114.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.217053,112.523216,-0.000000>,0.900000
<-1.999662,113.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.999662,113.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,111.900696,-0.000000>,0.900000
<-0.868891,112.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,112.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,111.000000,-0.000000>,0.900000
<0.000000,112.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,112.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,112.000000,-0.000000>,0.900000
<-0.434445,112.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,112.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,112.900696,-0.000000>,0.900000
<-0.434445,113.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,113.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,113.900696,-0.000000>,0.900000
<-0.434445,114.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,114.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,112.900696,-0.000000>,0.900000
<-0.868891,113.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,113.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,112.000000,-0.000000>,0.900000
<0.000000,113.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,113.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,113.000000,-0.000000>,0.900000
<0.000000,114.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,114.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,114.000000,-0.000000>,0.900000
<0.000000,115.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,115.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,115.000000,-0.000000>,0.900000
<0.000000,116.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,116.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,116.000000,-0.000000>,0.900000
<0.434445,116.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,116.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,116.900696,-0.000000>,0.900000
<0.868891,117.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,117.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,116.000000,-0.000000>,0.900000
<0.434445,116.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,116.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,116.900696,-0.000000>,0.900000
<0.868891,117.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,117.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,117.801399,-0.000000>,0.900000
<1.303336,118.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,118.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,118.702095,-0.000000>,0.900000
<1.303336,119.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,119.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,119.702095,-0.000000>,0.900000
<1.737781,120.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,120.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,120.602791,-0.000000>,0.900000
<2.172226,121.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.172226,121.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,119.702095,-0.000000>,0.900000
<1.303336,120.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,120.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,118.702095,-0.000000>,0.900000
<1.737781,119.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,119.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,116.000000,-0.000000>,0.900000
<0.434445,116.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,116.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,116.900696,-0.000000>,0.900000
<0.868891,117.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,117.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,117.801399,-0.000000>,0.900000
<0.868891,118.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,118.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,118.801399,-0.000000>,0.900000
<0.868891,119.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,119.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,117.801399,-0.000000>,0.900000
<1.303336,118.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,118.702095,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,118.702095,-0.000000>,0.900000
<1.737781,119.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,119.602791,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,119.602791,-0.000000>,0.900000
<2.520389,120.225311,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.520389,120.225311,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.520389,120.225311,-0.000000>,0.900000
<3.495732,120.446007,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.495732,120.446007,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.495732,120.446007,-0.000000>,0.900000
<4.471074,120.666702,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.471074,120.666702,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.520389,120.225311,-0.000000>,0.900000
<3.302997,120.847824,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.302997,120.847824,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,119.602791,-0.000000>,0.900000
<2.172226,120.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.172226,120.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.172226,120.503494,-0.000000>,0.900000
<2.954834,121.126007,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.954834,121.126007,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.954834,121.126007,-0.000000>,0.900000
<3.737442,121.748520,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.737442,121.748520,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.172226,120.503494,-0.000000>,0.900000
<2.606672,121.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.606672,121.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.606672,121.404190,-0.000000>,0.900000
<3.041117,122.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.041117,122.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.041117,122.304886,-0.000000>,0.900000
<3.475562,123.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.475562,123.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.475562,123.205589,-0.000000>,0.900000
<3.475562,124.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.475562,124.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.475562,124.205589,-0.000000>,0.900000
<3.910007,125.106285,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.910007,125.106285,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.910007,125.106285,-0.000000>,0.900000
<4.344452,126.006981,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.344452,126.006981,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.475562,124.205589,-0.000000>,0.900000
<3.475562,125.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.475562,125.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.475562,123.205589,-0.000000>,0.900000
<3.475562,124.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.475562,124.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.475562,124.205589,-0.000000>,0.900000
<3.475562,125.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.475562,125.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.475562,125.205589,-0.000000>,0.900000
<3.041117,126.106285,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.041117,126.106285,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.041117,126.106285,-0.000000>,0.900000
<2.606672,127.006981,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.606672,127.006981,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.475562,125.205589,-0.000000>,0.900000
<3.475562,126.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.475562,126.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.475562,126.205589,-0.000000>,0.900000
<3.475562,127.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.475562,127.205589,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.475562,127.205589,-0.000000>,0.900000
<3.475562,128.205582,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.475562,128.205582,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.475562,128.205582,-0.000000>,0.900000
<3.910007,129.106277,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.910007,129.106277,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.910007,129.106277,-0.000000>,0.900000
<4.344452,130.006989,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.344452,130.006989,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.475562,128.205582,-0.000000>,0.900000
<3.910007,129.106277,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.910007,129.106277,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.910007,129.106277,-0.000000>,0.900000
<4.344452,130.006989,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.344452,130.006989,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.344452,130.006989,-0.000000>,0.900000
<4.778898,130.907684,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.778898,130.907684,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.778898,130.907684,-0.000000>,0.900000
<4.778898,131.907684,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.778898,131.907684,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.778898,131.907684,-0.000000>,0.900000
<4.778898,132.907684,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.778898,132.907684,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.778898,132.907684,-0.000000>,0.900000
<5.213343,133.808380,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.213343,133.808380,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.213343,133.808380,-0.000000>,0.900000
<5.213343,134.808380,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.213343,134.808380,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.213343,134.808380,-0.000000>,0.900000
<5.213343,135.808380,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.213343,135.808380,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.213343,133.808380,-0.000000>,0.900000
<5.647789,134.709076,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.647789,134.709076,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.778898,132.907684,-0.000000>,0.900000
<4.778898,133.907684,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.778898,133.907684,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.778898,130.907684,-0.000000>,0.900000
<5.213343,131.808380,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.213343,131.808380,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.475562,128.205582,-0.000000>,0.900000
<3.475562,129.205582,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.475562,129.205582,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.475562,123.205589,-0.000000>,0.900000
<3.910007,124.106285,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.910007,124.106285,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,116.000000,-0.000000>,0.900000
<0.000000,117.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,117.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,117.000000,-0.000000>,0.900000
<0.434445,117.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,117.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,117.900696,-0.000000>,0.900000
<0.868891,118.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,118.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,117.000000,-0.000000>,0.900000
<0.000000,118.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,118.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,118.000000,-0.000000>,0.900000
<0.000000,119.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,119.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,119.000000,-0.000000>,0.900000
<-0.434445,119.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,119.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,119.900696,-0.000000>,0.900000
<-1.217053,120.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.217053,120.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.217053,120.523216,-0.000000>,0.900000
<-1.999662,121.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.999662,121.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,119.900696,-0.000000>,0.900000
<-0.868891,120.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,120.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,119.000000,-0.000000>,0.900000
<0.000000,120.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,120.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,120.000000,-0.000000>,0.900000
<-0.434445,120.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,120.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,120.900696,-0.000000>,0.900000
<-0.868891,121.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,121.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,120.000000,-0.000000>,0.900000
<0.000000,121.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,121.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,121.000000,-0.000000>,0.900000
<0.000000,122.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,122.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,122.000000,-0.000000>,0.900000
<0.434445,122.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,122.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,122.900696,-0.000000>,0.900000
<1.217053,123.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.217053,123.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,123.523216,-0.000000>,0.900000
<1.651499,124.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.651499,124.423912,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.651499,124.423912,-0.000000>,0.900000
<2.085944,125.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.085944,125.324608,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,123.523216,-0.000000>,0.900000
<1.999662,124.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.999662,124.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,122.900696,-0.000000>,0.900000
<0.868891,123.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,123.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,122.000000,-0.000000>,0.900000
<0.000000,123.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,123.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,123.000000,-0.000000>,0.900000
<0.434445,123.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,123.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,123.900696,-0.000000>,0.900000
<0.434445,124.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,124.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,124.900696,-0.000000>,0.900000
<0.434445,125.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,125.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,123.900696,-0.000000>,0.900000
<0.868891,124.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,124.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,123.000000,-0.000000>,0.900000
<0.000000,124.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,124.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,124.000000,-0.000000>,0.900000
<0.000000,125.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,125.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,125.000000,-0.000000>,0.900000
<-0.434445,125.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,125.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,125.900696,-0.000000>,0.900000
<-1.217053,126.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.217053,126.523216,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.217053,126.523216,-0.000000>,0.900000
<-1.999662,127.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.999662,127.145729,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.999662,127.145729,-0.000000>,0.900000
<-2.434107,128.046432,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.434107,128.046432,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.434107,128.046432,-0.000000>,0.900000
<-3.216715,128.668945,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.216715,128.668945,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.216715,128.668945,-0.000000>,0.900000
<-3.999323,129.291458,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.999323,129.291458,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.434107,128.046432,-0.000000>,0.900000
<-2.868552,128.947128,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.868552,128.947128,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.999662,127.145729,-0.000000>,0.900000
<-2.782270,127.768242,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.782270,127.768242,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,125.900696,-0.000000>,0.900000
<-0.868891,126.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,126.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,125.000000,-0.000000>,0.900000
<0.000000,126.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,126.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,126.000000,-0.000000>,0.900000
<0.434445,126.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,126.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,126.900696,-0.000000>,0.900000
<0.868891,127.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,127.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,126.000000,-0.000000>,0.900000
<-0.434445,126.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,126.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,126.900696,-0.000000>,0.900000
<-0.868891,127.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,127.801399,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,127.801399,-0.000000>,0.900000
<-0.868891,128.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,128.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,128.801392,-0.000000>,0.900000
<-1.303336,129.702087,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,129.702087,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,129.702087,-0.000000>,0.900000
<-1.737781,130.602798,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,130.602798,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,128.801392,-0.000000>,0.900000
<-0.868891,129.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,129.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,127.801399,-0.000000>,0.900000
<-1.303336,128.702087,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,128.702087,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,126.000000,-0.000000>,0.900000
<0.000000,127.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,127.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,127.000000,-0.000000>,0.900000
<0.000000,128.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,128.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,128.000000,-0.000000>,0.900000
<0.000000,129.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,129.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,129.000000,-0.000000>,0.900000
<0.434445,129.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,129.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,129.900696,-0.000000>,0.900000
<1.217053,130.523209,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.217053,130.523209,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,130.523209,-0.000000>,0.900000
<1.999662,131.145721,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.999662,131.145721,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,129.900696,-0.000000>,0.900000
<1.217053,130.523209,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.217053,130.523209,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.217053,130.523209,-0.000000>,0.900000
<1.999662,131.145721,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.999662,131.145721,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.999662,131.145721,-0.000000>,0.900000
<2.782270,131.768250,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.782270,131.768250,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.782270,131.768250,-0.000000>,0.900000
<3.216715,132.668945,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.216715,132.668945,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.216715,132.668945,-0.000000>,0.900000
<3.651160,133.569641,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.651160,133.569641,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.651160,133.569641,-0.000000>,0.900000
<4.433768,134.192154,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.433768,134.192154,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.433768,134.192154,-0.000000>,0.900000
<4.868214,135.092850,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.868214,135.092850,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.868214,135.092850,-0.000000>,0.900000
<5.302659,135.993546,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.302659,135.993546,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.433768,134.192154,-0.000000>,0.900000
<5.216377,134.814667,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.216377,134.814667,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.651160,133.569641,-0.000000>,0.900000
<4.085606,134.470337,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.085606,134.470337,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.782270,131.768250,-0.000000>,0.900000
<3.564878,132.390762,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.564878,132.390762,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,129.900696,-0.000000>,0.900000
<0.868891,130.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,130.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,129.000000,-0.000000>,0.900000
<0.000000,130.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,130.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,130.000000,-0.000000>,0.900000
<0.434445,130.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,130.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,130.900696,-0.000000>,0.900000
<0.868891,131.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,131.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,130.000000,-0.000000>,0.900000
<0.000000,131.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,131.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,131.000000,-0.000000>,0.900000
<0.000000,132.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,132.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,132.000000,-0.000000>,0.900000
<-0.434445,132.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,132.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,132.900696,-0.000000>,0.900000
<-1.217053,133.523209,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.217053,133.523209,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.217053,133.523209,-0.000000>,0.900000
<-1.999662,134.145721,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.999662,134.145721,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,132.900696,-0.000000>,0.900000
<-0.868891,133.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,133.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,132.000000,-0.000000>,0.900000
<0.434445,132.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,132.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,132.900696,-0.000000>,0.900000
<0.434445,133.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,133.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,133.900696,-0.000000>,0.900000
<0.434445,134.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,134.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,132.900696,-0.000000>,0.900000
<0.868891,133.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,133.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.868891,133.801392,-0.000000>,0.900000
<1.303336,134.702087,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,134.702087,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,134.702087,-0.000000>,0.900000
<1.303336,135.702087,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,135.702087,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,135.702087,-0.000000>,0.900000
<1.737781,136.602798,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,136.602798,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,136.602798,-0.000000>,0.900000
<1.737781,137.602798,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,137.602798,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,137.602798,-0.000000>,0.900000
<1.737781,138.602798,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,138.602798,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.737781,136.602798,-0.000000>,0.900000
<2.172226,137.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.172226,137.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,135.702087,-0.000000>,0.900000
<1.303336,136.702087,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.303336,136.702087,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.303336,134.702087,-0.000000>,0.900000
<1.737781,135.602798,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.737781,135.602798,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,132.000000,-0.000000>,0.900000
<0.000000,133.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,133.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,133.000000,-0.000000>,0.900000
<0.434445,133.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,133.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,133.900696,-0.000000>,0.900000
<0.868891,134.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,134.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,133.000000,-0.000000>,0.900000
<0.000000,134.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,134.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,134.000000,-0.000000>,0.900000
<0.000000,135.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,135.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,135.000000,-0.000000>,0.900000
<0.000000,136.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,136.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,136.000000,-0.000000>,0.900000
<0.000000,137.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,137.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,137.000000,-0.000000>,0.900000
<0.434445,137.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.434445,137.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.434445,137.900696,-0.000000>,0.900000
<0.868891,138.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.868891,138.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,137.000000,-0.000000>,0.900000
<0.000000,138.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,138.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,138.000000,-0.000000>,0.900000
<0.000000,139.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,139.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,139.000000,-0.000000>,0.900000
<0.000000,140.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,140.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,140.000000,-0.000000>,0.900000
<-0.434445,140.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,140.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,140.900696,-0.000000>,0.900000
<-0.434445,141.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,141.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,141.900696,-0.000000>,0.900000
<-0.434445,142.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,142.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,140.900696,-0.000000>,0.900000
<-0.868891,141.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,141.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,140.000000,-0.000000>,0.900000
<-0.434445,140.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,140.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,140.900696,-0.000000>,0.900000
<-0.868891,141.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,141.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,141.801392,-0.000000>,0.900000
<-1.651499,142.423904,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.651499,142.423904,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.651499,142.423904,-0.000000>,0.900000
<-2.434107,143.046432,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.434107,143.046432,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,141.801392,-0.000000>,0.900000
<-1.303336,142.702087,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,142.702087,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,142.702087,-0.000000>,0.900000
<-1.737781,143.602798,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,143.602798,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,143.602798,-0.000000>,0.900000
<-2.172226,144.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,144.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,144.503494,-0.000000>,0.900000
<-2.172226,145.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,145.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,145.503494,-0.000000>,0.900000
<-2.172226,146.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,146.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,144.503494,-0.000000>,0.900000
<-2.172226,145.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,145.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,145.503494,-0.000000>,0.900000
<-2.172226,146.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,146.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,146.503494,-0.000000>,0.900000
<-2.172226,147.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,147.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,147.503494,-0.000000>,0.900000
<-2.606672,148.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.606672,148.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.606672,148.404190,-0.000000>,0.900000
<-3.041117,149.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.041117,149.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.041117,149.304886,-0.000000>,0.900000
<-3.041117,150.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.041117,150.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.041117,150.304886,-0.000000>,0.900000
<-3.475562,151.205582,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.475562,151.205582,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.475562,151.205582,-0.000000>,0.900000
<-3.910007,152.106277,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.910007,152.106277,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.041117,150.304886,-0.000000>,0.900000
<-3.041117,151.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.041117,151.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.041117,149.304886,-0.000000>,0.900000
<-3.475562,150.205582,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.475562,150.205582,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,147.503494,-0.000000>,0.900000
<-2.172226,148.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,148.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,144.503494,-0.000000>,0.900000
<-2.606672,145.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.606672,145.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,140.000000,-0.000000>,0.900000
<-0.434445,140.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,140.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,140.900696,-0.000000>,0.900000
<-0.434445,141.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,141.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,141.900696,-0.000000>,0.900000
<-0.434445,142.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.434445,142.900696,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.434445,140.900696,-0.000000>,0.900000
<-0.868891,141.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.868891,141.801392,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.868891,141.801392,-0.000000>,0.900000
<-1.303336,142.702087,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.303336,142.702087,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,142.702087,-0.000000>,0.900000
<-2.085944,143.324615,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.085944,143.324615,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.085944,143.324615,-0.000000>,0.900000
<-3.061286,143.545303,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061286,143.545303,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061286,143.545303,-0.000000>,0.900000
<-4.036629,143.766006,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.036629,143.766006,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.085944,143.324615,-0.000000>,0.900000
<-2.868552,143.947128,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.868552,143.947128,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.303336,142.702087,-0.000000>,0.900000
<-1.737781,143.602798,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,143.602798,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,143.602798,-0.000000>,0.900000
<-2.520389,144.225311,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.520389,144.225311,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.520389,144.225311,-0.000000>,0.900000
<-3.302997,144.847824,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.302997,144.847824,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.737781,143.602798,-0.000000>,0.900000
<-2.172226,144.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,144.503494,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,144.503494,-0.000000>,0.900000
<-2.606672,145.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.606672,145.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.606672,145.404190,-0.000000>,0.900000
<-2.606672,146.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.606672,146.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.606672,146.404190,-0.000000>,0.900000
<-2.172226,147.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,147.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,147.304886,-0.000000>,0.900000
<-2.172226,148.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,148.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,148.304886,-0.000000>,0.900000
<-2.172226,149.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.172226,149.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.172226,147.304886,-0.000000>,0.900000
<-1.737781,148.205582,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.737781,148.205582,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.606672,146.404190,-0.000000>,0.900000
<-2.606672,147.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.606672,147.404190,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.606672,145.404190,-0.000000>,0.900000
<-3.041117,146.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.041117,146.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.041117,146.304886,-0.000000>,0.900000
<-3.041117,147.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.041117,147.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.041117,147.304886,-0.000000>,0.900000
<-3.475562,148.205582,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.475562,148.205582,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.475562,148.205582,-0.000000>,0.900000
<-3.910007,149.106277,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.910007,149.106277,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.041117,147.304886,-0.000000>,0.900000
<-3.041117,148.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.041117,148.304886,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.041117,146.304886,-0.000000>,0.900000
<-3.475562,147.205582,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.475562,147.205582,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.475562,147.205582,-0.000000>,0.900000
<-3.910007,148.106277,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.910007,148.106277,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.910007,148.106277,-0.000000>,0.900000
<-4.692616,148.728806,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.692616,148.728806,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.692616,148.728806,-0.000000>,0.900000
<-5.667958,148.949493,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.667958,148.949493,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.667958,148.949493,-0.000000>,0.900000
<-6.643300,149.170197,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.643300,149.170197,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.643300,149.170197,-0.000000>,0.900000
<-7.425908,149.792709,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.425908,149.792709,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.425908,149.792709,-0.000000>,0.900000
<-8.401251,150.013412,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.401251,150.013412,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.401251,150.013412,-0.000000>,0.900000
<-9.376593,150.234100,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.376593,150.234100,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.425908,149.792709,-0.000000>,0.900000
<-8.208516,150.415222,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.208516,150.415222,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.643300,149.170197,-0.000000>,0.900000
<-7.618642,149.390884,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.618642,149.390884,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.692616,148.728806,-0.000000>,0.900000
<-5.475224,149.351318,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.475224,149.351318,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.910007,148.106277,-0.000000>,0.900000
<-4.344452,149.006989,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.344452,149.006989,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.344452,149.006989,-0.000000>,0.900000
<-4.344452,150.006989,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.344452,150.006989,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.344452,150.006989,-0.000000>,0.900000
<-4.344452,151.006989,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.344452,151.006989,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.344452,149.006989,-0.000000>,0.900000
<-5.127061,149.629501,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.127061,149.629501,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.127061,149.629501,-0.000000>,0.900000
<-5.909669,150.252014,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.909669,150.252014,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.909669,150.252014,-0.000000>,0.900000
<-6.344114,151.152710,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.344114,151.152710,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.344114,151.152710,-0.000000>,0.900000
<-7.126722,151.775223,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.126722,151.775223,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.126722,151.775223,-0.000000>,0.900000
<-7.909330,152.397736,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.909330,152.397736,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.344114,151.152710,-0.000000>,0.900000
<-6.778559,152.053406,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.778559,152.053406,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.909669,150.252014,-0.000000>,0.900000
<-6.692277,150.874527,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.692277,150.874527,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.344452,149.006989,-0.000000>,0.900000
<-4.778898,149.907684,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.778898,149.907684,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.778898,149.907684,-0.000000>,0.900000
<-5.213343,150.808380,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.213343,150.808380,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.213343,150.808380,-0.000000>,0.900000
<-5.647789,151.709076,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.647789,151.709076,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.647789,151.709076,-0.000000>,0.900000
<-6.082233,152.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,152.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,152.609772,-0.000000>,0.900000
<-6.082233,153.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,153.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,153.609772,-0.000000>,0.900000
<-6.082233,154.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,154.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,152.609772,-0.000000>,0.900000
<-6.082233,153.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,153.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,153.609772,-0.000000>,0.900000
<-6.082233,154.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,154.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,154.609772,-0.000000>,0.900000
<-6.082233,155.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,155.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,155.609772,-0.000000>,0.900000
<-6.516679,156.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.516679,156.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.516679,156.510468,-0.000000>,0.900000
<-6.951124,157.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.951124,157.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.951124,157.411179,-0.000000>,0.900000
<-6.951124,158.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.951124,158.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.951124,158.411179,-0.000000>,0.900000
<-7.385570,159.311874,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.385570,159.311874,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.385570,159.311874,-0.000000>,0.900000
<-7.820014,160.212570,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.820014,160.212570,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.951124,158.411179,-0.000000>,0.900000
<-6.951124,159.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.951124,159.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.951124,157.411179,-0.000000>,0.900000
<-7.385570,158.311874,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.385570,158.311874,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,155.609772,-0.000000>,0.900000
<-6.082233,156.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,156.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,152.609772,-0.000000>,0.900000
<-6.082233,153.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,153.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,153.609772,-0.000000>,0.900000
<-5.647789,154.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.647789,154.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.647789,154.510468,-0.000000>,0.900000
<-5.213343,155.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.213343,155.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,153.609772,-0.000000>,0.900000
<-6.082233,154.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,154.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,154.609772,-0.000000>,0.900000
<-6.082233,155.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,155.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,155.609772,-0.000000>,0.900000
<-6.516679,156.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.516679,156.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.516679,156.510468,-0.000000>,0.900000
<-7.299287,157.132996,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.299287,157.132996,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.299287,157.132996,-0.000000>,0.900000
<-8.081895,157.755508,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.081895,157.755508,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.516679,156.510468,-0.000000>,0.900000
<-6.951124,157.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.951124,157.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,155.609772,-0.000000>,0.900000
<-6.082233,156.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,156.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,156.609772,-0.000000>,0.900000
<-6.516679,157.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.516679,157.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.516679,157.510468,-0.000000>,0.900000
<-6.951124,158.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.951124,158.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,156.609772,-0.000000>,0.900000
<-6.082233,157.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,157.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,157.609772,-0.000000>,0.900000
<-6.082233,158.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,158.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,158.609772,-0.000000>,0.900000
<-5.647789,159.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.647789,159.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.647789,159.510468,-0.000000>,0.900000
<-4.865180,160.132996,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.865180,160.132996,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.865180,160.132996,-0.000000>,0.900000
<-4.430735,161.033691,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.430735,161.033691,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.430735,161.033691,-0.000000>,0.900000
<-3.996290,161.934387,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.996290,161.934387,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.865180,160.132996,-0.000000>,0.900000
<-4.082572,160.755508,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.082572,160.755508,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.647789,159.510468,-0.000000>,0.900000
<-5.213343,160.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.213343,160.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,158.609772,-0.000000>,0.900000
<-6.082233,159.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,159.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,159.609772,-0.000000>,0.900000
<-5.647789,160.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.647789,160.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.647789,160.510468,-0.000000>,0.900000
<-5.647789,161.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.647789,161.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.647789,161.510468,-0.000000>,0.900000
<-5.647789,162.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.647789,162.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.647789,160.510468,-0.000000>,0.900000
<-5.213343,161.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.213343,161.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,159.609772,-0.000000>,0.900000
<-6.082233,160.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,160.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,160.609772,-0.000000>,0.900000
<-6.082233,161.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,161.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,161.609772,-0.000000>,0.900000
<-6.082233,162.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,162.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,162.609772,-0.000000>,0.900000
<-6.516679,163.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.516679,163.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.516679,163.510468,-0.000000>,0.900000
<-6.951124,164.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.951124,164.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.951124,164.411179,-0.000000>,0.900000
<-6.951124,165.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.951124,165.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.951124,165.411179,-0.000000>,0.900000
<-7.385570,166.311874,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.385570,166.311874,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.385570,166.311874,-0.000000>,0.900000
<-7.820014,167.212570,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.820014,167.212570,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.951124,165.411179,-0.000000>,0.900000
<-6.951124,166.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.951124,166.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.951124,164.411179,-0.000000>,0.900000
<-7.385570,165.311874,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.385570,165.311874,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,162.609772,-0.000000>,0.900000
<-6.516679,163.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.516679,163.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.516679,163.510468,-0.000000>,0.900000
<-6.516679,164.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.516679,164.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.516679,164.510468,-0.000000>,0.900000
<-6.516679,165.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.516679,165.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.516679,163.510468,-0.000000>,0.900000
<-6.951124,164.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.951124,164.411179,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.951124,164.411179,-0.000000>,0.900000
<-7.385570,165.311874,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.385570,165.311874,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.385570,165.311874,-0.000000>,0.900000
<-8.168178,165.934387,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.168178,165.934387,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.168178,165.934387,-0.000000>,0.900000
<-9.143519,166.155075,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.143519,166.155075,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.143519,166.155075,-0.000000>,0.900000
<-10.118862,166.375778,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.118862,166.375778,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.168178,165.934387,-0.000000>,0.900000
<-8.950786,166.556900,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.950786,166.556900,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.385570,165.311874,-0.000000>,0.900000
<-7.820014,166.212570,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.820014,166.212570,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.820014,166.212570,-0.000000>,0.900000
<-8.602623,166.835083,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.602623,166.835083,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.602623,166.835083,-0.000000>,0.900000
<-9.385231,167.457596,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.385231,167.457596,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.820014,166.212570,-0.000000>,0.900000
<-8.254460,167.113266,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.254460,167.113266,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.254460,167.113266,-0.000000>,0.900000
<-8.688905,168.013962,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.688905,168.013962,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.688905,168.013962,-0.000000>,0.900000
<-9.123350,168.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.123350,168.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.123350,168.914658,-0.000000>,0.900000
<-9.123350,169.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.123350,169.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.123350,169.914658,-0.000000>,0.900000
<-9.557796,170.815369,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.557796,170.815369,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.557796,170.815369,-0.000000>,0.900000
<-9.992241,171.716064,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.992241,171.716064,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.123350,169.914658,-0.000000>,0.900000
<-9.123350,170.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.123350,170.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.123350,168.914658,-0.000000>,0.900000
<-9.123350,169.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.123350,169.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.123350,169.914658,-0.000000>,0.900000
<-8.688905,170.815369,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.688905,170.815369,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.688905,170.815369,-0.000000>,0.900000
<-8.254460,171.716064,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.254460,171.716064,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.123350,169.914658,-0.000000>,0.900000
<-9.123350,170.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.123350,170.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.123350,170.914658,-0.000000>,0.900000
<-9.123350,171.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.123350,171.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.123350,171.914658,-0.000000>,0.900000
<-9.123350,172.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.123350,172.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.123350,172.914658,-0.000000>,0.900000
<-9.557796,173.815369,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.557796,173.815369,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.557796,173.815369,-0.000000>,0.900000
<-9.992241,174.716064,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.992241,174.716064,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.123350,172.914658,-0.000000>,0.900000
<-9.557796,173.815369,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.557796,173.815369,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.557796,173.815369,-0.000000>,0.900000
<-9.992241,174.716064,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.992241,174.716064,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.992241,174.716064,-0.000000>,0.900000
<-10.426686,175.616760,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.426686,175.616760,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.426686,175.616760,-0.000000>,0.900000
<-10.426686,176.616760,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.426686,176.616760,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.426686,176.616760,-0.000000>,0.900000
<-10.861132,177.517456,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.861132,177.517456,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.861132,177.517456,-0.000000>,0.900000
<-10.861132,178.517456,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.861132,178.517456,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.861132,178.517456,-0.000000>,0.900000
<-10.861132,179.517456,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.861132,179.517456,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.861132,177.517456,-0.000000>,0.900000
<-11.295577,178.418152,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.295577,178.418152,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.426686,176.616760,-0.000000>,0.900000
<-10.426686,177.616760,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.426686,177.616760,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.426686,175.616760,-0.000000>,0.900000
<-10.861132,176.517456,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.861132,176.517456,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.123350,172.914658,-0.000000>,0.900000
<-9.123350,173.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.123350,173.914658,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.123350,168.914658,-0.000000>,0.900000
<-9.557796,169.815369,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.557796,169.815369,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,162.609772,-0.000000>,0.900000
<-6.082233,163.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082233,163.609772,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082233,152.609772,-0.000000>,0.900000
<-6.516679,153.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.516679,153.510468,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,140.000000,-0.000000>,0.900000
<0.000000,141.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,141.000000,-0.000000>,0.900000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 107.110474, 214.220947>
look_at   <0, 107.110474,  0>
}
