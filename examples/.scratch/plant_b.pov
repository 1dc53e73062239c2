#include "colors.inc"
light_source { <148.800003, 148.800003, 148.800003> color White}

cone {
<0.000000,0.000000,-0.000000>,0.100000
<0.000000,1.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,1.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,1.000000,-0.000000>,0.400000
<0.342020,1.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,1.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,1.000000,-0.000000>,0.400000
<0.000000,2.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,2.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,2.000000,-0.000000>,0.400000
<-0.342020,2.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,2.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,2.000000,-0.000000>,0.400000
<0.000000,3.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,3.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,2.000000,-0.000000>,0.400000
<0.342020,2.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,2.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,2.939693,-0.000000>,0.400000
<0.984808,3.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,3.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,2.939693,-0.000000>,0.400000
<0.684040,3.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,3.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,3.879385,-0.000000>,0.400000
<0.684040,4.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,4.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,3.879385,-0.000000>,0.400000
<1.026060,4.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,4.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,2.000000,-0.000000>,0.400000
<0.000000,3.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,3.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,3.000000,-0.000000>,0.400000
<0.342020,3.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,3.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,3.000000,-0.000000>,0.400000
<0.000000,4.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,4.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.400000
<-0.342020,4.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,4.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.400000
<0.000000,5.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,5.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.400000
<-0.342020,4.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,4.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,4.939692,-0.000000>,0.400000
<-0.342020,5.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,5.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,4.939692,-0.000000>,0.400000
<-0.684040,5.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,5.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,5.879385,-0.000000>,0.400000
<-1.326828,6.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,6.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,5.879385,-0.000000>,0.400000
<-1.026060,6.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,6.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.400000
<0.000000,5.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,5.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.400000
<0.342020,5.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,5.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.400000
<0.000000,6.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,6.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.400000
<-0.342020,6.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,6.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.400000
<0.000000,7.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,7.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.400000
<0.342020,4.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,4.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,4.939692,-0.000000>,0.400000
<0.984808,5.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,5.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,4.939692,-0.000000>,0.400000
<0.684040,5.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,5.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,5.879385,-0.000000>,0.400000
<0.684040,6.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,6.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,5.879385,-0.000000>,0.400000
<1.026060,6.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,6.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,5.879385,-0.000000>,0.400000
<1.326828,6.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.326828,6.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,6.645430,-0.000000>,0.400000
<2.192853,7.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.192853,7.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,6.645430,-0.000000>,0.400000
<1.969615,7.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.969615,7.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,7.411474,-0.000000>,0.400000
<2.311636,8.351167,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.311636,8.351167,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,7.411474,-0.000000>,0.400000
<2.612403,8.177519,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.612403,8.177519,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,5.879385,-0.000000>,0.400000
<1.026060,6.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,6.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,6.819078,-0.000000>,0.400000
<1.668848,7.585122,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.668848,7.585122,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,6.819078,-0.000000>,0.400000
<1.368081,7.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,7.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,7.758770,-0.000000>,0.400000
<1.368081,8.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,8.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,7.758770,-0.000000>,0.400000
<1.710101,8.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,8.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,7.758770,-0.000000>,0.400000
<1.368081,8.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,8.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,8.758771,-0.000000>,0.400000
<1.710101,9.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,9.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,8.758771,-0.000000>,0.400000
<1.368081,9.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,9.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,9.758771,-0.000000>,0.400000
<1.026060,10.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,10.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,9.758771,-0.000000>,0.400000
<1.368081,10.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,10.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,7.758770,-0.000000>,0.400000
<1.710101,8.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,8.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,8.698463,-0.000000>,0.400000
<2.352888,9.464507,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,9.464507,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,8.698463,-0.000000>,0.400000
<2.052121,9.638156,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,9.638156,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,9.638156,-0.000000>,0.400000
<2.052121,10.638156,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,10.638156,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,9.638156,-0.000000>,0.400000
<2.394141,10.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,10.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.400000
<0.000000,5.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,5.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.400000
<0.342020,5.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,5.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.400000
<0.000000,6.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,6.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.400000
<-0.342020,6.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,6.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.400000
<0.000000,7.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,7.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.400000
<0.342020,6.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,6.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,6.939692,-0.000000>,0.400000
<0.984808,7.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,7.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,6.939692,-0.000000>,0.400000
<0.684040,7.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,7.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,7.879385,-0.000000>,0.400000
<0.684040,8.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,8.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,7.879385,-0.000000>,0.400000
<1.026060,8.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,8.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.400000
<0.000000,7.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,7.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,7.000000,-0.000000>,0.400000
<0.342020,7.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,7.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,7.000000,-0.000000>,0.400000
<0.000000,8.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,8.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.400000
<-0.342020,8.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,8.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.400000
<0.000000,9.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,9.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.400000
<-0.342020,8.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,8.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,8.939692,-0.000000>,0.400000
<-0.342020,9.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,9.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,8.939692,-0.000000>,0.400000
<-0.684040,9.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,9.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,9.879385,-0.000000>,0.400000
<-1.326828,10.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,10.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,9.879385,-0.000000>,0.400000
<-1.026060,10.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,10.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.400000
<0.000000,9.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,9.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,0.400000
<0.342020,9.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,9.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,0.400000
<0.000000,10.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.400000
<-0.342020,10.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,10.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.400000
<0.000000,11.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,11.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.400000
<-0.342020,8.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,8.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,8.939692,-0.000000>,0.400000
<-0.342020,9.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,9.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,8.939692,-0.000000>,0.400000
<-0.684040,9.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,9.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,9.879385,-0.000000>,0.400000
<-1.326828,10.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,10.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,9.879385,-0.000000>,0.400000
<-1.026060,10.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,10.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,9.879385,-0.000000>,0.400000
<-0.684040,10.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,10.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,10.879385,-0.000000>,0.400000
<-0.342020,11.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,11.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,10.879385,-0.000000>,0.400000
<-0.684040,11.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,11.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,11.879385,-0.000000>,0.400000
<-1.026060,12.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,12.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,11.879385,-0.000000>,0.400000
<-0.684040,12.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,12.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,9.879385,-0.000000>,0.400000
<-1.026060,10.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,10.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,10.819077,-0.000000>,0.400000
<-1.026060,11.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,11.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,10.819077,-0.000000>,0.400000
<-1.368081,11.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,11.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,11.758771,-0.000000>,0.400000
<-2.010868,12.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,12.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,11.758771,-0.000000>,0.400000
<-1.710101,12.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,12.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,11.758771,-0.000000>,0.400000
<-2.010868,12.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,12.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,12.524815,-0.000000>,0.400000
<-2.352888,13.464507,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.352888,13.464507,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,12.524815,-0.000000>,0.400000
<-2.653656,13.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.653656,13.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,13.290859,-0.000000>,0.400000
<-3.519681,13.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.519681,13.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,13.290859,-0.000000>,0.400000
<-3.296443,14.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.296443,14.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,11.758771,-0.000000>,0.400000
<-1.710101,12.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,12.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,12.698463,-0.000000>,0.400000
<-1.710101,13.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,13.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,12.698463,-0.000000>,0.400000
<-2.052121,13.638156,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,13.638156,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,13.638156,-0.000000>,0.400000
<-2.694908,14.404201,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,14.404201,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,13.638156,-0.000000>,0.400000
<-2.394141,14.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,14.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.400000
<0.000000,9.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,9.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,0.400000
<0.342020,9.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,9.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,0.400000
<0.000000,10.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.400000
<-0.342020,10.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,10.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.400000
<0.000000,11.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,11.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.400000
<0.342020,10.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,10.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,10.939692,-0.000000>,0.400000
<0.984808,11.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,11.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,10.939692,-0.000000>,0.400000
<0.684040,11.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,11.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,11.879385,-0.000000>,0.400000
<0.684040,12.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,12.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,11.879385,-0.000000>,0.400000
<1.026060,12.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,12.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.400000
<0.000000,11.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,11.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,11.000000,-0.000000>,0.400000
<0.342020,11.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,11.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,11.000000,-0.000000>,0.400000
<0.000000,12.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,12.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.400000
<-0.342020,12.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,12.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.400000
<0.000000,13.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.400000
<-0.342020,12.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,12.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,12.939692,-0.000000>,0.400000
<-0.342020,13.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,13.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,12.939692,-0.000000>,0.400000
<-0.684040,13.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,13.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,13.879385,-0.000000>,0.400000
<-1.326828,14.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,14.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,13.879385,-0.000000>,0.400000
<-1.026060,14.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,14.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.400000
<0.000000,13.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.400000
<0.342020,13.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,13.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.400000
<0.000000,14.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,14.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.400000
<-0.342020,14.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,14.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.400000
<0.000000,15.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,15.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.400000
<0.342020,8.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,8.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,8.939692,-0.000000>,0.400000
<0.984808,9.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,9.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,8.939692,-0.000000>,0.400000
<0.684040,9.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,9.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,9.879385,-0.000000>,0.400000
<0.684040,10.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,10.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,9.879385,-0.000000>,0.400000
<1.026060,10.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,10.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,9.879385,-0.000000>,0.400000
<1.326828,10.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.326828,10.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,10.645430,-0.000000>,0.400000
<2.192853,11.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.192853,11.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,10.645430,-0.000000>,0.400000
<1.969615,11.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.969615,11.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,11.411474,-0.000000>,0.400000
<2.311636,12.351167,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.311636,12.351167,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,11.411474,-0.000000>,0.400000
<2.612403,12.177519,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.612403,12.177519,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,9.879385,-0.000000>,0.400000
<1.026060,10.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,10.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,10.819077,-0.000000>,0.400000
<1.668848,11.585122,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.668848,11.585122,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,10.819077,-0.000000>,0.400000
<1.368081,11.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,11.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,11.758771,-0.000000>,0.400000
<1.368081,12.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,12.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,11.758771,-0.000000>,0.400000
<1.710101,12.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,12.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,11.758771,-0.000000>,0.400000
<1.368081,12.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,12.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,12.758771,-0.000000>,0.400000
<1.710101,13.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,13.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,12.758771,-0.000000>,0.400000
<1.368081,13.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,13.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,13.758771,-0.000000>,0.400000
<1.026060,14.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,14.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,13.758771,-0.000000>,0.400000
<1.368081,14.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,14.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,11.758771,-0.000000>,0.400000
<1.710101,12.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,12.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,12.698463,-0.000000>,0.400000
<2.352888,13.464507,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,13.464507,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,12.698463,-0.000000>,0.400000
<2.052121,13.638156,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,13.638156,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,13.638156,-0.000000>,0.400000
<2.052121,14.638156,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,14.638156,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,13.638156,-0.000000>,0.400000
<2.394141,14.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,14.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,11.758771,-0.000000>,0.400000
<2.010868,12.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.010868,12.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.010868,12.524815,-0.000000>,0.400000
<2.876894,13.024815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.876894,13.024815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.010868,12.524815,-0.000000>,0.400000
<2.653656,13.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.653656,13.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,13.290859,-0.000000>,0.400000
<2.995676,14.230552,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.995676,14.230552,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,13.290859,-0.000000>,0.400000
<3.296443,14.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.296443,14.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,13.290859,-0.000000>,0.400000
<3.519681,13.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.519681,13.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.519681,13.790859,-0.000000>,0.400000
<4.504489,13.964507,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.504489,13.964507,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.519681,13.790859,-0.000000>,0.400000
<4.385706,14.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.385706,14.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.385706,14.290859,-0.000000>,0.400000
<5.028494,15.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.028494,15.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.385706,14.290859,-0.000000>,0.400000
<5.251732,14.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.251732,14.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,13.290859,-0.000000>,0.400000
<3.296443,14.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.296443,14.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.296443,14.056904,-0.000000>,0.400000
<4.162469,14.556904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.162469,14.556904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.296443,14.056904,-0.000000>,0.400000
<3.939231,14.822948,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.939231,14.822948,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,14.822948,-0.000000>,0.400000
<4.281251,15.762641,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.281251,15.762641,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,14.822948,-0.000000>,0.400000
<4.582019,15.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.582019,15.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,14.822948,-0.000000>,0.400000
<4.281251,15.762641,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.281251,15.762641,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.281251,15.762641,-0.000000>,0.400000
<4.924039,16.528685,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.924039,16.528685,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.281251,15.762641,-0.000000>,0.400000
<4.623271,16.702333,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.623271,16.702333,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.623271,16.702333,-0.000000>,0.400000
<4.623271,17.702333,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.623271,17.702333,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.623271,16.702333,-0.000000>,0.400000
<4.965292,17.642027,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.965292,17.642027,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,14.822948,-0.000000>,0.400000
<4.582019,15.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.582019,15.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.582019,15.588993,-0.000000>,0.400000
<5.448044,16.088993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.448044,16.088993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.582019,15.588993,-0.000000>,0.400000
<5.224806,16.355038,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.224806,16.355038,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.224806,16.355038,-0.000000>,0.400000
<5.566826,17.294729,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.566826,17.294729,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.224806,16.355038,-0.000000>,0.400000
<5.867594,17.121082,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.867594,17.121082,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,11.758771,-0.000000>,0.400000
<1.710101,12.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,12.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,12.698463,-0.000000>,0.400000
<2.352888,13.464507,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,13.464507,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,12.698463,-0.000000>,0.400000
<2.052121,13.638156,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,13.638156,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,13.638156,-0.000000>,0.400000
<2.052121,14.638156,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,14.638156,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,13.638156,-0.000000>,0.400000
<2.394141,14.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,14.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,13.638156,-0.000000>,0.400000
<2.694908,14.404201,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.694908,14.404201,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.694908,14.404201,-0.000000>,0.400000
<3.560934,14.904201,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.560934,14.904201,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.694908,14.404201,-0.000000>,0.400000
<3.337696,15.170244,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.337696,15.170244,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.337696,15.170244,-0.000000>,0.400000
<3.679716,16.109938,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.679716,16.109938,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.337696,15.170244,-0.000000>,0.400000
<3.980484,15.936289,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.980484,15.936289,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,13.638156,-0.000000>,0.400000
<2.394141,14.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,14.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,14.577848,-0.000000>,0.400000
<3.036929,15.343893,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.036929,15.343893,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,14.577848,-0.000000>,0.400000
<2.736161,15.517541,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,15.517541,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,15.517541,-0.000000>,0.400000
<2.736161,16.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,16.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,15.517541,-0.000000>,0.400000
<3.078181,16.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,16.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,15.517541,-0.000000>,0.400000
<2.736161,16.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,16.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,16.517542,-0.000000>,0.400000
<3.078181,17.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,17.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,16.517542,-0.000000>,0.400000
<2.736161,17.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,17.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,17.517542,-0.000000>,0.400000
<2.394141,18.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,18.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,17.517542,-0.000000>,0.400000
<2.736161,18.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,18.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,15.517541,-0.000000>,0.400000
<3.078181,16.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,16.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,16.457233,-0.000000>,0.400000
<3.720969,17.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.720969,17.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,16.457233,-0.000000>,0.400000
<3.420202,17.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,17.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,17.396927,-0.000000>,0.400000
<3.420202,18.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,18.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,17.396927,-0.000000>,0.400000
<3.762222,18.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,18.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,15.517541,-0.000000>,0.400000
<2.736161,16.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,16.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,16.517542,-0.000000>,0.400000
<3.078181,17.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,17.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,16.517542,-0.000000>,0.400000
<2.736161,17.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,17.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,17.517542,-0.000000>,0.400000
<2.394141,18.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,18.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,17.517542,-0.000000>,0.400000
<2.736161,18.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,18.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,17.517542,-0.000000>,0.400000
<3.078181,18.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,18.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,18.457233,-0.000000>,0.400000
<3.720969,19.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.720969,19.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,18.457233,-0.000000>,0.400000
<3.420202,19.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,19.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,19.396927,-0.000000>,0.400000
<3.420202,20.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,20.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,19.396927,-0.000000>,0.400000
<3.762222,20.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,20.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,17.517542,-0.000000>,0.400000
<2.736161,18.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,18.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,18.517542,-0.000000>,0.400000
<3.078181,19.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,19.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,18.517542,-0.000000>,0.400000
<2.736161,19.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,19.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,19.517542,-0.000000>,0.400000
<2.394141,20.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,20.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,19.517542,-0.000000>,0.400000
<2.736161,20.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,20.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,19.517542,-0.000000>,0.400000
<2.394141,20.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,20.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,20.457233,-0.000000>,0.400000
<2.394141,21.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,21.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,20.457233,-0.000000>,0.400000
<2.052121,21.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,21.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,21.396927,-0.000000>,0.400000
<1.409333,22.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.409333,22.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,21.396927,-0.000000>,0.400000
<1.710101,22.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,22.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,19.517542,-0.000000>,0.400000
<2.736161,20.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,20.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,20.517542,-0.000000>,0.400000
<3.078181,21.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,21.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,20.517542,-0.000000>,0.400000
<2.736161,21.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,21.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,21.517542,-0.000000>,0.400000
<2.394141,22.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,22.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,21.517542,-0.000000>,0.400000
<2.736161,22.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,22.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,15.517541,-0.000000>,0.400000
<3.078181,16.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,16.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,16.457233,-0.000000>,0.400000
<3.720969,17.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.720969,17.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,16.457233,-0.000000>,0.400000
<3.420202,17.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,17.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,17.396927,-0.000000>,0.400000
<3.420202,18.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,18.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,17.396927,-0.000000>,0.400000
<3.762222,18.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,18.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,17.396927,-0.000000>,0.400000
<4.062989,18.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.062989,18.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.062989,18.162971,-0.000000>,0.400000
<4.929015,18.662971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.929015,18.662971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.062989,18.162971,-0.000000>,0.400000
<4.705777,18.929014,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.705777,18.929014,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.705777,18.929014,-0.000000>,0.400000
<5.047797,19.868708,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.047797,19.868708,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.705777,18.929014,-0.000000>,0.400000
<5.348564,19.695059,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.348564,19.695059,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,17.396927,-0.000000>,0.400000
<3.762222,18.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,18.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.762222,18.336618,-0.000000>,0.400000
<4.405009,19.102663,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.405009,19.102663,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.762222,18.336618,-0.000000>,0.400000
<4.104242,19.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,19.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,19.276312,-0.000000>,0.400000
<4.104242,20.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,20.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,19.276312,-0.000000>,0.400000
<4.446262,20.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,20.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,19.276312,-0.000000>,0.400000
<4.104242,20.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,20.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,20.276312,-0.000000>,0.400000
<4.446262,21.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,21.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,20.276312,-0.000000>,0.400000
<4.104242,21.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,21.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,21.276312,-0.000000>,0.400000
<3.762222,22.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,22.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,21.276312,-0.000000>,0.400000
<4.104242,22.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,22.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,19.276312,-0.000000>,0.400000
<4.446262,20.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,20.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,20.216003,-0.000000>,0.400000
<5.089049,20.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.089049,20.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,20.216003,-0.000000>,0.400000
<4.788282,21.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,21.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,21.155697,-0.000000>,0.400000
<4.788282,22.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,22.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,21.155697,-0.000000>,0.400000
<5.130302,22.095388,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,22.095388,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.400000
<0.000000,9.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,9.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,0.400000
<0.342020,9.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,9.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,0.400000
<0.000000,10.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.400000
<-0.342020,10.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,10.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.400000
<0.000000,11.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,11.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.400000
<0.342020,10.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,10.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,10.939692,-0.000000>,0.400000
<0.984808,11.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,11.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,10.939692,-0.000000>,0.400000
<0.684040,11.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,11.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,11.879385,-0.000000>,0.400000
<0.684040,12.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,12.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,11.879385,-0.000000>,0.400000
<1.026060,12.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,12.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.400000
<0.000000,11.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,11.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,11.000000,-0.000000>,0.400000
<0.342020,11.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,11.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,11.000000,-0.000000>,0.400000
<0.000000,12.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,12.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.400000
<-0.342020,12.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,12.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.400000
<0.000000,13.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.400000
<-0.342020,12.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,12.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,12.939692,-0.000000>,0.400000
<-0.342020,13.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,13.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,12.939692,-0.000000>,0.400000
<-0.684040,13.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,13.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,13.879385,-0.000000>,0.400000
<-1.326828,14.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,14.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,13.879385,-0.000000>,0.400000
<-1.026060,14.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,14.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.400000
<0.000000,13.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.400000
<0.342020,13.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,13.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.400000
<0.000000,14.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,14.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.400000
<-0.342020,14.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,14.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.400000
<0.000000,15.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,15.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.400000
<0.342020,12.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,12.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,12.939692,-0.000000>,0.400000
<0.984808,13.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,13.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,12.939692,-0.000000>,0.400000
<0.684040,13.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,13.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,13.879385,-0.000000>,0.400000
<0.684040,14.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,14.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,13.879385,-0.000000>,0.400000
<1.026060,14.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,14.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,13.879385,-0.000000>,0.400000
<1.326828,14.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.326828,14.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,14.645430,-0.000000>,0.400000
<2.192853,15.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.192853,15.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,14.645430,-0.000000>,0.400000
<1.969615,15.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.969615,15.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,15.411474,-0.000000>,0.400000
<2.311636,16.351168,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.311636,16.351168,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,15.411474,-0.000000>,0.400000
<2.612403,16.177519,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.612403,16.177519,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,13.879385,-0.000000>,0.400000
<1.026060,14.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,14.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,14.819077,-0.000000>,0.400000
<1.668848,15.585122,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.668848,15.585122,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,14.819077,-0.000000>,0.400000
<1.368081,15.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,15.758771,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,15.758771,-0.000000>,0.400000
<1.368081,16.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,16.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,15.758771,-0.000000>,0.400000
<1.710101,16.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,16.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,15.758771,-0.000000>,0.400000
<1.368081,16.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,16.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,16.758770,-0.000000>,0.400000
<1.710101,17.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,17.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,16.758770,-0.000000>,0.400000
<1.368081,17.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,17.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,17.758770,-0.000000>,0.400000
<1.026060,18.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,18.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,17.758770,-0.000000>,0.400000
<1.368081,18.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,18.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,15.758771,-0.000000>,0.400000
<1.710101,16.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,16.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,16.698463,-0.000000>,0.400000
<2.352888,17.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,17.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,16.698463,-0.000000>,0.400000
<2.052121,17.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,17.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,17.638155,-0.000000>,0.400000
<2.052121,18.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,18.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,17.638155,-0.000000>,0.400000
<2.394141,18.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,18.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.400000
<0.000000,13.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.400000
<0.342020,13.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,13.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.400000
<0.000000,14.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,14.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.400000
<-0.342020,14.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,14.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.400000
<0.000000,15.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,15.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.400000
<0.342020,14.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,14.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,14.939692,-0.000000>,0.400000
<0.984808,15.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,15.705737,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,14.939692,-0.000000>,0.400000
<0.684040,15.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,15.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,15.879385,-0.000000>,0.400000
<0.684040,16.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,16.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,15.879385,-0.000000>,0.400000
<1.026060,16.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,16.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.400000
<0.000000,15.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,15.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.000000,-0.000000>,0.400000
<0.342020,15.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,15.939692,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.000000,-0.000000>,0.400000
<0.000000,16.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,16.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.400000
<-0.342020,16.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,16.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.400000
<0.000000,17.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,17.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.400000
<-0.342020,16.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,16.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,16.939693,-0.000000>,0.400000
<-0.342020,17.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,17.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,16.939693,-0.000000>,0.400000
<-0.684040,17.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,17.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,17.879385,-0.000000>,0.400000
<-1.326828,18.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,18.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,17.879385,-0.000000>,0.400000
<-1.026060,18.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,18.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.400000
<0.000000,17.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,17.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.400000
<0.342020,17.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,17.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.400000
<0.000000,18.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.400000
<-0.342020,18.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,18.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.400000
<0.000000,19.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.400000
<-0.342020,16.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,16.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,16.939693,-0.000000>,0.400000
<-0.342020,17.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,17.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,16.939693,-0.000000>,0.400000
<-0.684040,17.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,17.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,17.879385,-0.000000>,0.400000
<-1.326828,18.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,18.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,17.879385,-0.000000>,0.400000
<-1.026060,18.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,18.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,17.879385,-0.000000>,0.400000
<-0.684040,18.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,18.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,18.879385,-0.000000>,0.400000
<-0.342020,19.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,19.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,18.879385,-0.000000>,0.400000
<-0.684040,19.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,19.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,19.879385,-0.000000>,0.400000
<-1.026060,20.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,20.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,19.879385,-0.000000>,0.400000
<-0.684040,20.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,20.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,17.879385,-0.000000>,0.400000
<-1.026060,18.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,18.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,18.819078,-0.000000>,0.400000
<-1.026060,19.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,19.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,18.819078,-0.000000>,0.400000
<-1.368081,19.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,19.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,19.758770,-0.000000>,0.400000
<-2.010868,20.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,20.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,19.758770,-0.000000>,0.400000
<-1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,19.758770,-0.000000>,0.400000
<-2.010868,20.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,20.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,20.524815,-0.000000>,0.400000
<-2.352888,21.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.352888,21.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,20.524815,-0.000000>,0.400000
<-2.653656,21.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.653656,21.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,21.290859,-0.000000>,0.400000
<-3.519681,21.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.519681,21.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,21.290859,-0.000000>,0.400000
<-3.296443,22.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.296443,22.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,19.758770,-0.000000>,0.400000
<-1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,20.698463,-0.000000>,0.400000
<-1.710101,21.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,21.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,20.698463,-0.000000>,0.400000
<-2.052121,21.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,21.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,21.638155,-0.000000>,0.400000
<-2.694908,22.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,22.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,21.638155,-0.000000>,0.400000
<-2.394141,22.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,22.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.400000
<0.000000,17.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,17.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.400000
<0.342020,17.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,17.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.400000
<0.000000,18.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.400000
<-0.342020,18.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,18.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.400000
<0.000000,19.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.400000
<0.342020,18.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,18.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,18.939693,-0.000000>,0.400000
<0.984808,19.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,19.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,18.939693,-0.000000>,0.400000
<0.684040,19.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,19.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,19.879385,-0.000000>,0.400000
<0.684040,20.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,20.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,19.879385,-0.000000>,0.400000
<1.026060,20.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,20.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.400000
<0.000000,19.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.400000
<0.342020,19.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,19.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.400000
<0.000000,20.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,20.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<-0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<-0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,20.939693,-0.000000>,0.400000
<-0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,20.939693,-0.000000>,0.400000
<-0.684040,21.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,21.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,21.879385,-0.000000>,0.400000
<-1.326828,22.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,22.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,21.879385,-0.000000>,0.400000
<-1.026060,22.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,22.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.400000
<0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.400000
<0.000000,22.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,22.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.400000
<-0.342020,22.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,22.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.400000
<0.000000,23.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,23.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.400000
<-0.342020,16.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,16.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,16.939693,-0.000000>,0.400000
<-0.342020,17.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,17.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,16.939693,-0.000000>,0.400000
<-0.684040,17.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,17.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,17.879385,-0.000000>,0.400000
<-1.326828,18.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,18.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,17.879385,-0.000000>,0.400000
<-1.026060,18.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,18.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,17.879385,-0.000000>,0.400000
<-0.684040,18.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,18.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,18.879385,-0.000000>,0.400000
<-0.342020,19.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,19.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,18.879385,-0.000000>,0.400000
<-0.684040,19.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,19.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,19.879385,-0.000000>,0.400000
<-1.026060,20.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,20.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,19.879385,-0.000000>,0.400000
<-0.684040,20.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,20.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,17.879385,-0.000000>,0.400000
<-1.026060,18.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,18.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,18.819078,-0.000000>,0.400000
<-1.026060,19.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,19.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,18.819078,-0.000000>,0.400000
<-1.368081,19.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,19.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,19.758770,-0.000000>,0.400000
<-2.010868,20.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,20.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,19.758770,-0.000000>,0.400000
<-1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,19.758770,-0.000000>,0.400000
<-2.010868,20.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,20.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,20.524815,-0.000000>,0.400000
<-2.352888,21.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.352888,21.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,20.524815,-0.000000>,0.400000
<-2.653656,21.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.653656,21.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,21.290859,-0.000000>,0.400000
<-3.519681,21.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.519681,21.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,21.290859,-0.000000>,0.400000
<-3.296443,22.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.296443,22.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,19.758770,-0.000000>,0.400000
<-1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,20.698463,-0.000000>,0.400000
<-1.710101,21.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,21.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,20.698463,-0.000000>,0.400000
<-2.052121,21.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,21.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,21.638155,-0.000000>,0.400000
<-2.694908,22.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,22.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,21.638155,-0.000000>,0.400000
<-2.394141,22.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,22.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,19.758770,-0.000000>,0.400000
<-1.368081,20.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,20.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,20.758770,-0.000000>,0.400000
<-1.026060,21.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,21.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,20.758770,-0.000000>,0.400000
<-1.368081,21.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,21.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,21.758770,-0.000000>,0.400000
<-1.710101,22.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,22.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,21.758770,-0.000000>,0.400000
<-1.368081,22.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,22.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,21.758770,-0.000000>,0.400000
<-1.026060,22.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,22.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,22.698463,-0.000000>,0.400000
<-0.383273,23.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.383273,23.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,22.698463,-0.000000>,0.400000
<-0.684040,23.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,23.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,23.638155,-0.000000>,0.400000
<-0.684040,24.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,24.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,23.638155,-0.000000>,0.400000
<-0.342020,24.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,24.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,21.758770,-0.000000>,0.400000
<-1.368081,22.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,22.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,22.758770,-0.000000>,0.400000
<-1.026060,23.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,23.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,22.758770,-0.000000>,0.400000
<-1.368081,23.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,23.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,23.758770,-0.000000>,0.400000
<-1.710101,24.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,24.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,23.758770,-0.000000>,0.400000
<-1.368081,24.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,24.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,23.758770,-0.000000>,0.400000
<-1.710101,24.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,24.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,24.698463,-0.000000>,0.400000
<-1.710101,25.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,25.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,24.698463,-0.000000>,0.400000
<-2.052121,25.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,25.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,25.638155,-0.000000>,0.400000
<-2.694908,26.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,26.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,25.638155,-0.000000>,0.400000
<-2.394141,26.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,26.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,23.758770,-0.000000>,0.400000
<-1.368081,24.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,24.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,24.758770,-0.000000>,0.400000
<-1.026060,25.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,25.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,24.758770,-0.000000>,0.400000
<-1.368081,25.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,25.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,25.758770,-0.000000>,0.400000
<-1.710101,26.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,26.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,25.758770,-0.000000>,0.400000
<-1.368081,26.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,26.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,19.758770,-0.000000>,0.400000
<-1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,20.698463,-0.000000>,0.400000
<-1.710101,21.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,21.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,20.698463,-0.000000>,0.400000
<-2.052121,21.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,21.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,21.638155,-0.000000>,0.400000
<-2.694908,22.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,22.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,21.638155,-0.000000>,0.400000
<-2.394141,22.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,22.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,21.638155,-0.000000>,0.400000
<-2.052121,22.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,22.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,22.638155,-0.000000>,0.400000
<-1.710101,23.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,23.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,22.638155,-0.000000>,0.400000
<-2.052121,23.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,23.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,23.638155,-0.000000>,0.400000
<-2.394141,24.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,24.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,23.638155,-0.000000>,0.400000
<-2.052121,24.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,24.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,21.638155,-0.000000>,0.400000
<-2.394141,22.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,22.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,22.577848,-0.000000>,0.400000
<-2.394141,23.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,23.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,22.577848,-0.000000>,0.400000
<-2.736161,23.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,23.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,23.517542,-0.000000>,0.400000
<-3.378949,24.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.378949,24.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,23.517542,-0.000000>,0.400000
<-3.078181,24.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,24.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,23.517542,-0.000000>,0.400000
<-3.378949,24.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.378949,24.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,24.283585,-0.000000>,0.400000
<-3.720969,25.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.720969,25.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,24.283585,-0.000000>,0.400000
<-4.021736,25.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.021736,25.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,25.049629,-0.000000>,0.400000
<-4.887762,25.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.887762,25.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,25.049629,-0.000000>,0.400000
<-4.664524,25.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.664524,25.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,23.517542,-0.000000>,0.400000
<-3.078181,24.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,24.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,24.457233,-0.000000>,0.400000
<-3.078181,25.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,25.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,24.457233,-0.000000>,0.400000
<-3.420202,25.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,25.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,25.396927,-0.000000>,0.400000
<-4.062989,26.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.062989,26.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,25.396927,-0.000000>,0.400000
<-3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,23.517542,-0.000000>,0.400000
<-3.378949,24.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.378949,24.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,24.283585,-0.000000>,0.400000
<-3.720969,25.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.720969,25.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,24.283585,-0.000000>,0.400000
<-4.021736,25.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.021736,25.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,25.049629,-0.000000>,0.400000
<-4.887762,25.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.887762,25.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,25.049629,-0.000000>,0.400000
<-4.664524,25.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.664524,25.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,25.049629,-0.000000>,0.400000
<-4.363757,25.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.363757,25.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.363757,25.989323,-0.000000>,0.400000
<-4.363757,26.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.363757,26.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.363757,25.989323,-0.000000>,0.400000
<-4.705777,26.929014,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.705777,26.929014,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.705777,26.929014,-0.000000>,0.400000
<-5.348564,27.695059,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.348564,27.695059,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.705777,26.929014,-0.000000>,0.400000
<-5.047797,27.868708,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.047797,27.868708,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,25.049629,-0.000000>,0.400000
<-4.664524,25.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.664524,25.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.664524,25.815674,-0.000000>,0.400000
<-5.006544,26.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.006544,26.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.664524,25.815674,-0.000000>,0.400000
<-5.307312,26.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.307312,26.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,26.581718,-0.000000>,0.400000
<-6.173337,27.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.173337,27.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,26.581718,-0.000000>,0.400000
<-5.950099,27.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.950099,27.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,26.581718,-0.000000>,0.400000
<-6.173337,27.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.173337,27.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.173337,27.081718,-0.000000>,0.400000
<-6.816124,27.847763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.816124,27.847763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.173337,27.081718,-0.000000>,0.400000
<-7.039362,27.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.039362,27.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.039362,27.581718,-0.000000>,0.400000
<-8.024170,27.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.024170,27.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.039362,27.581718,-0.000000>,0.400000
<-7.905388,28.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.905388,28.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,26.581718,-0.000000>,0.400000
<-5.950099,27.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.950099,27.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.950099,27.347763,-0.000000>,0.400000
<-6.292120,28.287457,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.292120,28.287457,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.950099,27.347763,-0.000000>,0.400000
<-6.592887,28.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.592887,28.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.592887,28.113808,-0.000000>,0.400000
<-7.458912,28.613808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.458912,28.613808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.592887,28.113808,-0.000000>,0.400000
<-7.235674,28.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.235674,28.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,23.517542,-0.000000>,0.400000
<-3.078181,24.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,24.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,24.457233,-0.000000>,0.400000
<-3.078181,25.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,25.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,24.457233,-0.000000>,0.400000
<-3.420202,25.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,25.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,25.396927,-0.000000>,0.400000
<-4.062989,26.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.062989,26.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,25.396927,-0.000000>,0.400000
<-3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,25.396927,-0.000000>,0.400000
<-3.420202,26.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,26.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,26.396927,-0.000000>,0.400000
<-3.078181,27.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,27.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,26.396927,-0.000000>,0.400000
<-3.420202,27.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,27.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,27.396927,-0.000000>,0.400000
<-3.762222,28.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,28.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,27.396927,-0.000000>,0.400000
<-3.420202,28.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,28.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,25.396927,-0.000000>,0.400000
<-3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.762222,26.336618,-0.000000>,0.400000
<-3.762222,27.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,27.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.762222,26.336618,-0.000000>,0.400000
<-4.104242,27.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,27.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,27.276312,-0.000000>,0.400000
<-4.747029,28.042356,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.747029,28.042356,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,27.276312,-0.000000>,0.400000
<-4.446262,28.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,28.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,27.276312,-0.000000>,0.400000
<-4.747029,28.042356,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.747029,28.042356,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.747029,28.042356,-0.000000>,0.400000
<-5.089049,28.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.089049,28.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.747029,28.042356,-0.000000>,0.400000
<-5.389817,28.808401,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.389817,28.808401,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.389817,28.808401,-0.000000>,0.400000
<-6.255842,29.308401,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.255842,29.308401,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.389817,28.808401,-0.000000>,0.400000
<-6.032605,29.574446,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.032605,29.574446,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,27.276312,-0.000000>,0.400000
<-4.446262,28.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,28.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,28.216003,-0.000000>,0.400000
<-4.446262,29.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,29.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,28.216003,-0.000000>,0.400000
<-4.788282,29.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,29.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,29.155697,-0.000000>,0.400000
<-5.431070,29.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.431070,29.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,29.155697,-0.000000>,0.400000
<-5.130302,30.095388,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,30.095388,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.400000
<0.000000,17.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,17.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.400000
<0.342020,17.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,17.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.400000
<0.000000,18.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.400000
<-0.342020,18.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,18.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.400000
<0.000000,19.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.400000
<0.342020,18.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,18.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,18.939693,-0.000000>,0.400000
<0.984808,19.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,19.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,18.939693,-0.000000>,0.400000
<0.684040,19.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,19.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,19.879385,-0.000000>,0.400000
<0.684040,20.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,20.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,19.879385,-0.000000>,0.400000
<1.026060,20.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,20.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.400000
<0.000000,19.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.400000
<0.342020,19.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,19.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.400000
<0.000000,20.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,20.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<-0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<-0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,20.939693,-0.000000>,0.400000
<-0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,20.939693,-0.000000>,0.400000
<-0.684040,21.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,21.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,21.879385,-0.000000>,0.400000
<-1.326828,22.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,22.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,21.879385,-0.000000>,0.400000
<-1.026060,22.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,22.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.400000
<0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.400000
<0.000000,22.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,22.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.400000
<-0.342020,22.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,22.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.400000
<0.000000,23.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,23.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,20.939693,-0.000000>,0.400000
<0.984808,21.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,21.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,20.939693,-0.000000>,0.400000
<0.684040,21.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,21.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,21.879385,-0.000000>,0.400000
<0.684040,22.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,22.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,21.879385,-0.000000>,0.400000
<1.026060,22.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,22.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,21.879385,-0.000000>,0.400000
<1.326828,22.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.326828,22.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,22.645430,-0.000000>,0.400000
<2.192853,23.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.192853,23.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,22.645430,-0.000000>,0.400000
<1.969615,23.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.969615,23.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,23.411474,-0.000000>,0.400000
<2.311636,24.351168,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.311636,24.351168,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,23.411474,-0.000000>,0.400000
<2.612403,24.177519,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.612403,24.177519,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,21.879385,-0.000000>,0.400000
<1.026060,22.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,22.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,22.819078,-0.000000>,0.400000
<1.668848,23.585123,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.668848,23.585123,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,22.819078,-0.000000>,0.400000
<1.368081,23.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,23.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,23.758770,-0.000000>,0.400000
<1.368081,24.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,24.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,23.758770,-0.000000>,0.400000
<1.710101,24.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,24.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,23.758770,-0.000000>,0.400000
<1.368081,24.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,24.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,24.758770,-0.000000>,0.400000
<1.710101,25.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,25.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,24.758770,-0.000000>,0.400000
<1.368081,25.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,25.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,25.758770,-0.000000>,0.400000
<1.026060,26.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,26.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,25.758770,-0.000000>,0.400000
<1.368081,26.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,26.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,23.758770,-0.000000>,0.400000
<1.710101,24.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,24.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,24.698463,-0.000000>,0.400000
<2.352888,25.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,25.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,24.698463,-0.000000>,0.400000
<2.052121,25.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,25.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,25.638155,-0.000000>,0.400000
<2.052121,26.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,26.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,25.638155,-0.000000>,0.400000
<2.394141,26.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,26.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.400000
<0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.400000
<0.000000,22.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,22.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.400000
<-0.342020,22.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,22.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.400000
<0.000000,23.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,23.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.400000
<0.342020,22.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,22.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,22.939693,-0.000000>,0.400000
<0.984808,23.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,23.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,22.939693,-0.000000>,0.400000
<0.684040,23.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,23.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,23.879385,-0.000000>,0.400000
<0.684040,24.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,24.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,23.879385,-0.000000>,0.400000
<1.026060,24.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,24.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.400000
<0.000000,23.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,23.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,23.000000,-0.000000>,0.400000
<0.342020,23.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,23.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,23.000000,-0.000000>,0.400000
<0.000000,24.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,24.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.400000
<-0.342020,24.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,24.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.400000
<0.000000,25.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,25.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.400000
<-0.342020,24.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,24.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,24.939693,-0.000000>,0.400000
<-0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,24.939693,-0.000000>,0.400000
<-0.684040,25.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,25.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,25.879385,-0.000000>,0.400000
<-1.326828,26.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,26.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,25.879385,-0.000000>,0.400000
<-1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.400000
<0.000000,25.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,25.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.400000
<0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.400000
<0.000000,26.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,26.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<-0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.400000
<-0.342020,24.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,24.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,24.939693,-0.000000>,0.400000
<-0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,24.939693,-0.000000>,0.400000
<-0.684040,25.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,25.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,25.879385,-0.000000>,0.400000
<-1.326828,26.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,26.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,25.879385,-0.000000>,0.400000
<-1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,25.879385,-0.000000>,0.400000
<-0.684040,26.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,26.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,26.879385,-0.000000>,0.400000
<-0.342020,27.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,27.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,26.879385,-0.000000>,0.400000
<-0.684040,27.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,27.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,27.879385,-0.000000>,0.400000
<-1.026060,28.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,28.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,27.879385,-0.000000>,0.400000
<-0.684040,28.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,28.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,25.879385,-0.000000>,0.400000
<-1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,26.819078,-0.000000>,0.400000
<-1.026060,27.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,27.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,26.819078,-0.000000>,0.400000
<-1.368081,27.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,27.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,27.758770,-0.000000>,0.400000
<-2.010868,28.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,28.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,27.758770,-0.000000>,0.400000
<-1.710101,28.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,28.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,27.758770,-0.000000>,0.400000
<-2.010868,28.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,28.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,28.524815,-0.000000>,0.400000
<-2.352888,29.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.352888,29.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,28.524815,-0.000000>,0.400000
<-2.653656,29.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.653656,29.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,29.290859,-0.000000>,0.400000
<-3.519681,29.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.519681,29.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,29.290859,-0.000000>,0.400000
<-3.296443,30.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.296443,30.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,27.758770,-0.000000>,0.400000
<-1.710101,28.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,28.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,28.698463,-0.000000>,0.400000
<-1.710101,29.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,29.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,28.698463,-0.000000>,0.400000
<-2.052121,29.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,29.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,29.638155,-0.000000>,0.400000
<-2.694908,30.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,30.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,29.638155,-0.000000>,0.400000
<-2.394141,30.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,30.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.400000
<0.000000,25.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,25.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.400000
<0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.400000
<0.000000,26.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,26.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<-0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,26.939693,-0.000000>,0.400000
<0.984808,27.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,27.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,26.939693,-0.000000>,0.400000
<0.684040,27.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,27.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,27.879385,-0.000000>,0.400000
<0.684040,28.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,28.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,27.879385,-0.000000>,0.400000
<1.026060,28.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,28.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.000000,-0.000000>,0.400000
<0.342020,27.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,27.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.000000,-0.000000>,0.400000
<0.000000,28.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,28.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.400000
<-0.342020,28.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,28.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.400000
<0.000000,29.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.400000
<-0.342020,28.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,28.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,28.939693,-0.000000>,0.400000
<-0.342020,29.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,29.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,28.939693,-0.000000>,0.400000
<-0.684040,29.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,29.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,29.879385,-0.000000>,0.400000
<-1.326828,30.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,30.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,29.879385,-0.000000>,0.400000
<-1.026060,30.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,30.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.400000
<0.000000,29.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,0.400000
<0.342020,29.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,29.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,0.400000
<0.000000,30.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,30.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.400000
<-0.342020,30.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,30.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.400000
<0.000000,31.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,31.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.400000
<0.342020,16.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,16.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,16.939693,-0.000000>,0.400000
<0.984808,17.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,17.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,16.939693,-0.000000>,0.400000
<0.684040,17.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,17.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,17.879385,-0.000000>,0.400000
<0.684040,18.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,18.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,17.879385,-0.000000>,0.400000
<1.026060,18.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,18.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,17.879385,-0.000000>,0.400000
<1.326828,18.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.326828,18.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,18.645430,-0.000000>,0.400000
<2.192853,19.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.192853,19.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,18.645430,-0.000000>,0.400000
<1.969615,19.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.969615,19.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,19.411474,-0.000000>,0.400000
<2.311636,20.351168,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.311636,20.351168,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,19.411474,-0.000000>,0.400000
<2.612403,20.177519,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.612403,20.177519,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,17.879385,-0.000000>,0.400000
<1.026060,18.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,18.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,18.819078,-0.000000>,0.400000
<1.668848,19.585123,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.668848,19.585123,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,18.819078,-0.000000>,0.400000
<1.368081,19.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,19.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,19.758770,-0.000000>,0.400000
<1.368081,20.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,20.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,19.758770,-0.000000>,0.400000
<1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,19.758770,-0.000000>,0.400000
<1.368081,20.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,20.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,20.758770,-0.000000>,0.400000
<1.710101,21.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,21.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,20.758770,-0.000000>,0.400000
<1.368081,21.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,21.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,21.758770,-0.000000>,0.400000
<1.026060,22.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,22.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,21.758770,-0.000000>,0.400000
<1.368081,22.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,22.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,19.758770,-0.000000>,0.400000
<1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,20.698463,-0.000000>,0.400000
<2.352888,21.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,21.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,20.698463,-0.000000>,0.400000
<2.052121,21.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,21.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,21.638155,-0.000000>,0.400000
<2.052121,22.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,22.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,21.638155,-0.000000>,0.400000
<2.394141,22.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,22.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,19.758770,-0.000000>,0.400000
<2.010868,20.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.010868,20.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.010868,20.524815,-0.000000>,0.400000
<2.876894,21.024815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.876894,21.024815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.010868,20.524815,-0.000000>,0.400000
<2.653656,21.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.653656,21.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,21.290859,-0.000000>,0.400000
<2.995676,22.230553,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.995676,22.230553,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,21.290859,-0.000000>,0.400000
<3.296443,22.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.296443,22.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,21.290859,-0.000000>,0.400000
<3.519681,21.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.519681,21.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.519681,21.790859,-0.000000>,0.400000
<4.504489,21.964508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.504489,21.964508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.519681,21.790859,-0.000000>,0.400000
<4.385706,22.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.385706,22.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.385706,22.290859,-0.000000>,0.400000
<5.028494,23.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.028494,23.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.385706,22.290859,-0.000000>,0.400000
<5.251732,22.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.251732,22.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,21.290859,-0.000000>,0.400000
<3.296443,22.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.296443,22.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.296443,22.056904,-0.000000>,0.400000
<4.162469,22.556904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.162469,22.556904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.296443,22.056904,-0.000000>,0.400000
<3.939231,22.822948,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.939231,22.822948,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,22.822948,-0.000000>,0.400000
<4.281251,23.762640,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.281251,23.762640,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,22.822948,-0.000000>,0.400000
<4.582019,23.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.582019,23.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,22.822948,-0.000000>,0.400000
<4.281251,23.762640,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.281251,23.762640,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.281251,23.762640,-0.000000>,0.400000
<4.924039,24.528685,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.924039,24.528685,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.281251,23.762640,-0.000000>,0.400000
<4.623271,24.702333,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.623271,24.702333,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.623271,24.702333,-0.000000>,0.400000
<4.623271,25.702333,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.623271,25.702333,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.623271,24.702333,-0.000000>,0.400000
<4.965292,25.642027,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.965292,25.642027,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,22.822948,-0.000000>,0.400000
<4.582019,23.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.582019,23.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.582019,23.588993,-0.000000>,0.400000
<5.448044,24.088993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.448044,24.088993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.582019,23.588993,-0.000000>,0.400000
<5.224806,24.355038,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.224806,24.355038,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.224806,24.355038,-0.000000>,0.400000
<5.566826,25.294729,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.566826,25.294729,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.224806,24.355038,-0.000000>,0.400000
<5.867594,25.121082,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.867594,25.121082,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,19.758770,-0.000000>,0.400000
<1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,20.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,20.698463,-0.000000>,0.400000
<2.352888,21.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,21.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,20.698463,-0.000000>,0.400000
<2.052121,21.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,21.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,21.638155,-0.000000>,0.400000
<2.052121,22.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,22.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,21.638155,-0.000000>,0.400000
<2.394141,22.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,22.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,21.638155,-0.000000>,0.400000
<2.694908,22.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.694908,22.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.694908,22.404200,-0.000000>,0.400000
<3.560934,22.904200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.560934,22.904200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.694908,22.404200,-0.000000>,0.400000
<3.337696,23.170244,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.337696,23.170244,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.337696,23.170244,-0.000000>,0.400000
<3.679716,24.109938,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.679716,24.109938,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.337696,23.170244,-0.000000>,0.400000
<3.980484,23.936289,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.980484,23.936289,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,21.638155,-0.000000>,0.400000
<2.394141,22.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,22.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,22.577848,-0.000000>,0.400000
<3.036929,23.343893,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.036929,23.343893,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,22.577848,-0.000000>,0.400000
<2.736161,23.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,23.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,23.517542,-0.000000>,0.400000
<2.736161,24.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,24.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,23.517542,-0.000000>,0.400000
<3.078181,24.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,24.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,23.517542,-0.000000>,0.400000
<2.736161,24.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,24.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,24.517542,-0.000000>,0.400000
<3.078181,25.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,25.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,24.517542,-0.000000>,0.400000
<2.736161,25.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,25.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,25.517542,-0.000000>,0.400000
<2.394141,26.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,26.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,25.517542,-0.000000>,0.400000
<2.736161,26.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,26.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,23.517542,-0.000000>,0.400000
<3.078181,24.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,24.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,24.457233,-0.000000>,0.400000
<3.720969,25.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.720969,25.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,24.457233,-0.000000>,0.400000
<3.420202,25.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,25.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,25.396927,-0.000000>,0.400000
<3.420202,26.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,26.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,25.396927,-0.000000>,0.400000
<3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,23.517542,-0.000000>,0.400000
<2.736161,24.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,24.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,24.517542,-0.000000>,0.400000
<3.078181,25.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,25.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,24.517542,-0.000000>,0.400000
<2.736161,25.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,25.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,25.517542,-0.000000>,0.400000
<2.394141,26.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,26.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,25.517542,-0.000000>,0.400000
<2.736161,26.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,26.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,25.517542,-0.000000>,0.400000
<3.078181,26.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,26.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,26.457233,-0.000000>,0.400000
<3.720969,27.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.720969,27.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,26.457233,-0.000000>,0.400000
<3.420202,27.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,27.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,27.396927,-0.000000>,0.400000
<3.420202,28.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,28.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,27.396927,-0.000000>,0.400000
<3.762222,28.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,28.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,25.517542,-0.000000>,0.400000
<2.736161,26.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,26.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,26.517542,-0.000000>,0.400000
<3.078181,27.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,27.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,26.517542,-0.000000>,0.400000
<2.736161,27.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,27.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,27.517542,-0.000000>,0.400000
<2.394141,28.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,28.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,27.517542,-0.000000>,0.400000
<2.736161,28.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,28.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,27.517542,-0.000000>,0.400000
<2.394141,28.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,28.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,28.457233,-0.000000>,0.400000
<2.394141,29.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,29.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,28.457233,-0.000000>,0.400000
<2.052121,29.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,29.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,29.396927,-0.000000>,0.400000
<1.409333,30.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.409333,30.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,29.396927,-0.000000>,0.400000
<1.710101,30.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,30.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,27.517542,-0.000000>,0.400000
<2.736161,28.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,28.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,28.517542,-0.000000>,0.400000
<3.078181,29.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,29.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,28.517542,-0.000000>,0.400000
<2.736161,29.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,29.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,29.517542,-0.000000>,0.400000
<2.394141,30.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,30.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,29.517542,-0.000000>,0.400000
<2.736161,30.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,30.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,23.517542,-0.000000>,0.400000
<3.078181,24.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,24.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,24.457233,-0.000000>,0.400000
<3.720969,25.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.720969,25.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,24.457233,-0.000000>,0.400000
<3.420202,25.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,25.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,25.396927,-0.000000>,0.400000
<3.420202,26.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,26.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,25.396927,-0.000000>,0.400000
<3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,25.396927,-0.000000>,0.400000
<4.062989,26.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.062989,26.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.062989,26.162971,-0.000000>,0.400000
<4.929015,26.662971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.929015,26.662971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.062989,26.162971,-0.000000>,0.400000
<4.705777,26.929014,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.705777,26.929014,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.705777,26.929014,-0.000000>,0.400000
<5.047797,27.868708,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.047797,27.868708,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.705777,26.929014,-0.000000>,0.400000
<5.348564,27.695059,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.348564,27.695059,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,25.396927,-0.000000>,0.400000
<3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.762222,26.336618,-0.000000>,0.400000
<4.405009,27.102663,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.405009,27.102663,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.762222,26.336618,-0.000000>,0.400000
<4.104242,27.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,27.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,27.276312,-0.000000>,0.400000
<4.104242,28.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,28.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,27.276312,-0.000000>,0.400000
<4.446262,28.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,28.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,27.276312,-0.000000>,0.400000
<4.104242,28.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,28.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,28.276312,-0.000000>,0.400000
<4.446262,29.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,29.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,28.276312,-0.000000>,0.400000
<4.104242,29.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,29.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,29.276312,-0.000000>,0.400000
<3.762222,30.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,30.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,29.276312,-0.000000>,0.400000
<4.104242,30.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,30.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,27.276312,-0.000000>,0.400000
<4.446262,28.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,28.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,28.216003,-0.000000>,0.400000
<5.089049,28.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.089049,28.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,28.216003,-0.000000>,0.400000
<4.788282,29.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,29.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,29.155697,-0.000000>,0.400000
<4.788282,30.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,30.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,29.155697,-0.000000>,0.400000
<5.130302,30.095388,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,30.095388,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,23.517542,-0.000000>,0.400000
<3.378949,24.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.378949,24.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.378949,24.283585,-0.000000>,0.400000
<4.244974,24.783585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.244974,24.783585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.378949,24.283585,-0.000000>,0.400000
<4.021736,25.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.021736,25.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.021736,25.049629,-0.000000>,0.400000
<4.363757,25.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.363757,25.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.021736,25.049629,-0.000000>,0.400000
<4.664524,25.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.664524,25.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.021736,25.049629,-0.000000>,0.400000
<4.887762,25.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.887762,25.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.887762,25.549629,-0.000000>,0.400000
<5.872570,25.723278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.872570,25.723278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.887762,25.549629,-0.000000>,0.400000
<5.753787,26.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.753787,26.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.753787,26.049629,-0.000000>,0.400000
<6.396575,26.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.396575,26.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.753787,26.049629,-0.000000>,0.400000
<6.619812,26.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.619812,26.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.021736,25.049629,-0.000000>,0.400000
<4.664524,25.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.664524,25.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.664524,25.815674,-0.000000>,0.400000
<5.530550,26.315674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.530550,26.315674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.664524,25.815674,-0.000000>,0.400000
<5.307312,26.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.307312,26.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.307312,26.581718,-0.000000>,0.400000
<5.649332,27.521412,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.649332,27.521412,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.307312,26.581718,-0.000000>,0.400000
<5.950099,27.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.950099,27.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.307312,26.581718,-0.000000>,0.400000
<5.649332,27.521412,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.649332,27.521412,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.649332,27.521412,-0.000000>,0.400000
<6.292120,28.287457,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.292120,28.287457,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.649332,27.521412,-0.000000>,0.400000
<5.991352,28.461103,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.991352,28.461103,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.991352,28.461103,-0.000000>,0.400000
<5.991352,29.461103,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.991352,29.461103,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.991352,28.461103,-0.000000>,0.400000
<6.333372,29.400797,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.333372,29.400797,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.307312,26.581718,-0.000000>,0.400000
<5.950099,27.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.950099,27.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.950099,27.347763,-0.000000>,0.400000
<6.816124,27.847763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.816124,27.847763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.950099,27.347763,-0.000000>,0.400000
<6.592887,28.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.592887,28.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.592887,28.113808,-0.000000>,0.400000
<6.934907,29.053501,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.934907,29.053501,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.592887,28.113808,-0.000000>,0.400000
<7.235674,28.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.235674,28.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.307312,26.581718,-0.000000>,0.400000
<6.173337,27.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.173337,27.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.173337,27.081718,-0.000000>,0.400000
<7.158145,27.255367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.158145,27.255367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.173337,27.081718,-0.000000>,0.400000
<7.039362,27.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.039362,27.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.039362,27.581718,-0.000000>,0.400000
<7.682150,28.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.682150,28.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.039362,27.581718,-0.000000>,0.400000
<7.905388,28.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.905388,28.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.039362,27.581718,-0.000000>,0.400000
<8.024170,27.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.024170,27.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.024170,27.755367,-0.000000>,0.400000
<9.008978,27.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.008978,27.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.024170,27.755367,-0.000000>,0.400000
<9.008978,27.929014,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.008978,27.929014,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.008978,27.929014,-0.000000>,0.400000
<9.875003,28.429014,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.875003,28.429014,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.008978,27.929014,-0.000000>,0.400000
<9.993786,28.102663,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.993786,28.102663,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.039362,27.581718,-0.000000>,0.400000
<7.905388,28.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.905388,28.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.905388,28.081718,-0.000000>,0.400000
<8.890196,28.255367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.890196,28.255367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.905388,28.081718,-0.000000>,0.400000
<8.771413,28.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.771413,28.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.771413,28.581718,-0.000000>,0.400000
<9.414201,29.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.414201,29.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.771413,28.581718,-0.000000>,0.400000
<9.637439,29.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.637439,29.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.771413,28.581718,-0.000000>,0.400000
<9.414201,29.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.414201,29.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.414201,29.347763,-0.000000>,0.400000
<10.280226,29.847763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.280226,29.847763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.414201,29.347763,-0.000000>,0.400000
<10.056989,30.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.056989,30.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.056989,30.113808,-0.000000>,0.400000
<10.399009,31.053501,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.399009,31.053501,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.056989,30.113808,-0.000000>,0.400000
<10.699776,30.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.699776,30.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.771413,28.581718,-0.000000>,0.400000
<9.637439,29.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.637439,29.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.637439,29.081718,-0.000000>,0.400000
<10.622247,29.255367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.622247,29.255367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.637439,29.081718,-0.000000>,0.400000
<10.503464,29.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.503464,29.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.503464,29.581718,-0.000000>,0.400000
<11.146252,30.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.146252,30.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.503464,29.581718,-0.000000>,0.400000
<11.369490,30.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.369490,30.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.307312,26.581718,-0.000000>,0.400000
<5.950099,27.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.950099,27.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.950099,27.347763,-0.000000>,0.400000
<6.816124,27.847763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.816124,27.847763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.950099,27.347763,-0.000000>,0.400000
<6.592887,28.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.592887,28.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.592887,28.113808,-0.000000>,0.400000
<6.934907,29.053501,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.934907,29.053501,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.592887,28.113808,-0.000000>,0.400000
<7.235674,28.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.235674,28.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.592887,28.113808,-0.000000>,0.400000
<7.458912,28.613808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.458912,28.613808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.458912,28.613808,-0.000000>,0.400000
<8.443720,28.787457,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.443720,28.787457,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.458912,28.613808,-0.000000>,0.400000
<8.324938,29.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.324938,29.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.324938,29.113808,-0.000000>,0.400000
<8.967725,29.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.967725,29.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.324938,29.113808,-0.000000>,0.400000
<9.190963,29.613808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.190963,29.613808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.592887,28.113808,-0.000000>,0.400000
<7.235674,28.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.235674,28.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.235674,28.879852,-0.000000>,0.400000
<8.101700,29.379852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.101700,29.379852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.235674,28.879852,-0.000000>,0.400000
<7.878462,29.645897,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.878462,29.645897,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.878462,29.645897,-0.000000>,0.400000
<8.220482,30.585588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.220482,30.585588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.878462,29.645897,-0.000000>,0.400000
<8.521250,30.411942,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.521250,30.411942,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.878462,29.645897,-0.000000>,0.400000
<8.220482,30.585588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.220482,30.585588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.220482,30.585588,-0.000000>,0.400000
<8.863270,31.351633,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.863270,31.351633,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.220482,30.585588,-0.000000>,0.400000
<8.562502,31.525282,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.562502,31.525282,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.562502,31.525282,-0.000000>,0.400000
<8.562502,32.525280,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.562502,32.525280,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.562502,31.525282,-0.000000>,0.400000
<8.904523,32.464973,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.904523,32.464973,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.878462,29.645897,-0.000000>,0.400000
<8.521250,30.411942,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.521250,30.411942,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.521250,30.411942,-0.000000>,0.400000
<9.387275,30.911942,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.387275,30.911942,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.521250,30.411942,-0.000000>,0.400000
<9.164038,31.177986,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.164038,31.177986,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.164038,31.177986,-0.000000>,0.400000
<9.506058,32.117680,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.506058,32.117680,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.164038,31.177986,-0.000000>,0.400000
<9.806825,31.944031,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.806825,31.944031,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.878462,29.645897,-0.000000>,0.400000
<8.220482,30.585588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.220482,30.585588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.220482,30.585588,-0.000000>,0.400000
<8.863270,31.351633,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.863270,31.351633,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.220482,30.585588,-0.000000>,0.400000
<8.562502,31.525282,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.562502,31.525282,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.562502,31.525282,-0.000000>,0.400000
<8.562502,32.525280,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.562502,32.525280,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.562502,31.525282,-0.000000>,0.400000
<8.904523,32.464973,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.904523,32.464973,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.562502,31.525282,-0.000000>,0.400000
<9.205290,32.291325,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.205290,32.291325,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.205290,32.291325,-0.000000>,0.400000
<10.071316,32.791325,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.071316,32.791325,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.205290,32.291325,-0.000000>,0.400000
<9.848078,33.057369,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.848078,33.057369,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.848078,33.057369,-0.000000>,0.400000
<10.190098,33.997063,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.190098,33.997063,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.848078,33.057369,-0.000000>,0.400000
<10.490865,33.823414,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.490865,33.823414,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.562502,31.525282,-0.000000>,0.400000
<8.904523,32.464973,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.904523,32.464973,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.904523,32.464973,-0.000000>,0.400000
<9.547310,33.231018,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.547310,33.231018,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.904523,32.464973,-0.000000>,0.400000
<9.246543,33.404667,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.246543,33.404667,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.246543,33.404667,-0.000000>,0.400000
<9.246543,34.404667,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.246543,34.404667,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.246543,33.404667,-0.000000>,0.400000
<9.588563,34.344360,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.588563,34.344360,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.246543,33.404667,-0.000000>,0.400000
<9.246543,34.404667,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.246543,34.404667,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.246543,34.404667,-0.000000>,0.400000
<9.588563,35.344360,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.588563,35.344360,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.246543,34.404667,-0.000000>,0.400000
<9.246543,35.404667,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.246543,35.404667,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.246543,35.404667,-0.000000>,0.400000
<8.904523,36.344360,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.904523,36.344360,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.246543,35.404667,-0.000000>,0.400000
<9.246543,36.404667,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.246543,36.404667,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.246543,33.404667,-0.000000>,0.400000
<9.588563,34.344360,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.588563,34.344360,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.588563,34.344360,-0.000000>,0.400000
<10.231350,35.110405,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.231350,35.110405,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.588563,34.344360,-0.000000>,0.400000
<9.930583,35.284054,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.930583,35.284054,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.930583,35.284054,-0.000000>,0.400000
<9.930583,36.284054,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.930583,36.284054,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.930583,35.284054,-0.000000>,0.400000
<10.272603,36.223743,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.272603,36.223743,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.878462,29.645897,-0.000000>,0.400000
<8.521250,30.411942,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.521250,30.411942,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.521250,30.411942,-0.000000>,0.400000
<9.387275,30.911942,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.387275,30.911942,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.521250,30.411942,-0.000000>,0.400000
<9.164038,31.177986,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.164038,31.177986,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.164038,31.177986,-0.000000>,0.400000
<9.506058,32.117680,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.506058,32.117680,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.164038,31.177986,-0.000000>,0.400000
<9.806825,31.944031,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.806825,31.944031,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.164038,31.177986,-0.000000>,0.400000
<10.030063,31.677986,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.030063,31.677986,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.030063,31.677986,-0.000000>,0.400000
<11.014871,31.851633,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.014871,31.851633,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.030063,31.677986,-0.000000>,0.400000
<10.896088,32.177986,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.896088,32.177986,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.896088,32.177986,-0.000000>,0.400000
<11.538876,32.944031,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.538876,32.944031,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.896088,32.177986,-0.000000>,0.400000
<11.762114,32.677986,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.762114,32.677986,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.164038,31.177986,-0.000000>,0.400000
<9.806825,31.944031,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.806825,31.944031,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.806825,31.944031,-0.000000>,0.400000
<10.672851,32.444031,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.672851,32.444031,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.806825,31.944031,-0.000000>,0.400000
<10.449613,32.710075,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.449613,32.710075,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.449613,32.710075,-0.000000>,0.400000
<10.791633,33.649765,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.791633,33.649765,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.449613,32.710075,-0.000000>,0.400000
<11.092400,33.476120,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.092400,33.476120,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.449613,32.710075,-0.000000>,0.400000
<10.791633,33.649765,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.791633,33.649765,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.791633,33.649765,-0.000000>,0.400000
<11.434421,34.415810,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.434421,34.415810,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.791633,33.649765,-0.000000>,0.400000
<11.133653,34.589458,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.133653,34.589458,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.133653,34.589458,-0.000000>,0.400000
<11.133653,35.589458,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.133653,35.589458,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.133653,34.589458,-0.000000>,0.400000
<11.475673,35.529152,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.475673,35.529152,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.449613,32.710075,-0.000000>,0.400000
<11.092400,33.476120,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.092400,33.476120,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.092400,33.476120,-0.000000>,0.400000
<11.958426,33.976120,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.958426,33.976120,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.092400,33.476120,-0.000000>,0.400000
<11.735188,34.242165,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.735188,34.242165,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.735188,34.242165,-0.000000>,0.400000
<12.077208,35.181854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.077208,35.181854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.735188,34.242165,-0.000000>,0.400000
<12.377975,35.008209,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.377975,35.008209,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,23.517542,-0.000000>,0.400000
<3.078181,24.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,24.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,24.457233,-0.000000>,0.400000
<3.720969,25.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.720969,25.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,24.457233,-0.000000>,0.400000
<3.420202,25.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,25.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,25.396927,-0.000000>,0.400000
<3.420202,26.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,26.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,25.396927,-0.000000>,0.400000
<3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,25.396927,-0.000000>,0.400000
<4.062989,26.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.062989,26.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.062989,26.162971,-0.000000>,0.400000
<4.929015,26.662971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.929015,26.662971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.062989,26.162971,-0.000000>,0.400000
<4.705777,26.929014,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.705777,26.929014,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.705777,26.929014,-0.000000>,0.400000
<5.047797,27.868708,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.047797,27.868708,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.705777,26.929014,-0.000000>,0.400000
<5.348564,27.695059,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.348564,27.695059,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,25.396927,-0.000000>,0.400000
<3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,26.336618,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.762222,26.336618,-0.000000>,0.400000
<4.405009,27.102663,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.405009,27.102663,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.762222,26.336618,-0.000000>,0.400000
<4.104242,27.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,27.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,27.276312,-0.000000>,0.400000
<4.104242,28.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,28.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,27.276312,-0.000000>,0.400000
<4.446262,28.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,28.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,27.276312,-0.000000>,0.400000
<4.104242,28.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,28.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,28.276312,-0.000000>,0.400000
<4.446262,29.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,29.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,28.276312,-0.000000>,0.400000
<4.104242,29.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,29.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,29.276312,-0.000000>,0.400000
<3.762222,30.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,30.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,29.276312,-0.000000>,0.400000
<4.104242,30.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,30.276312,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,27.276312,-0.000000>,0.400000
<4.446262,28.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,28.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,28.216003,-0.000000>,0.400000
<5.089049,28.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.089049,28.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,28.216003,-0.000000>,0.400000
<4.788282,29.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,29.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,29.155697,-0.000000>,0.400000
<4.788282,30.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,30.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,29.155697,-0.000000>,0.400000
<5.130302,30.095388,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,30.095388,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,27.276312,-0.000000>,0.400000
<4.747029,28.042356,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.747029,28.042356,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.747029,28.042356,-0.000000>,0.400000
<5.613055,28.542356,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.613055,28.542356,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.747029,28.042356,-0.000000>,0.400000
<5.389817,28.808401,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.389817,28.808401,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.389817,28.808401,-0.000000>,0.400000
<5.731837,29.748093,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.731837,29.748093,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.389817,28.808401,-0.000000>,0.400000
<6.032605,29.574446,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.032605,29.574446,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.389817,28.808401,-0.000000>,0.400000
<6.255842,29.308401,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.255842,29.308401,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.255842,29.308401,-0.000000>,0.400000
<7.240650,29.482048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.240650,29.482048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.255842,29.308401,-0.000000>,0.400000
<7.121868,29.808401,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.121868,29.808401,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.121868,29.808401,-0.000000>,0.400000
<7.764656,30.574446,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.764656,30.574446,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.121868,29.808401,-0.000000>,0.400000
<7.987893,30.308401,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.987893,30.308401,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.389817,28.808401,-0.000000>,0.400000
<6.032605,29.574446,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.032605,29.574446,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.032605,29.574446,-0.000000>,0.400000
<6.898630,30.074446,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.898630,30.074446,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.032605,29.574446,-0.000000>,0.400000
<6.675392,30.340488,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.675392,30.340488,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.675392,30.340488,-0.000000>,0.400000
<7.017412,31.280182,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.017412,31.280182,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.675392,30.340488,-0.000000>,0.400000
<7.318180,31.106533,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.318180,31.106533,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.675392,30.340488,-0.000000>,0.400000
<7.017412,31.280182,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.017412,31.280182,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.017412,31.280182,-0.000000>,0.400000
<7.660200,32.046227,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.660200,32.046227,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.017412,31.280182,-0.000000>,0.400000
<7.359432,32.219875,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.359432,32.219875,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.359432,32.219875,-0.000000>,0.400000
<7.359432,33.219875,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.359432,33.219875,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.359432,32.219875,-0.000000>,0.400000
<7.701453,33.159569,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.701453,33.159569,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.675392,30.340488,-0.000000>,0.400000
<7.318180,31.106533,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.318180,31.106533,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.318180,31.106533,-0.000000>,0.400000
<8.184205,31.606533,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.184205,31.606533,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.318180,31.106533,-0.000000>,0.400000
<7.960968,31.872578,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.960968,31.872578,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.960968,31.872578,-0.000000>,0.400000
<8.302987,32.812271,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.302987,32.812271,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.960968,31.872578,-0.000000>,0.400000
<8.603755,32.638622,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.603755,32.638622,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,27.276312,-0.000000>,0.400000
<4.446262,28.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,28.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,28.216003,-0.000000>,0.400000
<5.089049,28.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.089049,28.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,28.216003,-0.000000>,0.400000
<4.788282,29.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,29.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,29.155697,-0.000000>,0.400000
<4.788282,30.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,30.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,29.155697,-0.000000>,0.400000
<5.130302,30.095388,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,30.095388,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,29.155697,-0.000000>,0.400000
<5.431070,29.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.431070,29.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.431070,29.921741,-0.000000>,0.400000
<6.297095,30.421741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.297095,30.421741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.431070,29.921741,-0.000000>,0.400000
<6.073857,30.687786,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.073857,30.687786,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.073857,30.687786,-0.000000>,0.400000
<6.415877,31.627478,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.415877,31.627478,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.073857,30.687786,-0.000000>,0.400000
<6.716645,31.453831,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.716645,31.453831,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,29.155697,-0.000000>,0.400000
<5.130302,30.095388,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,30.095388,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130302,30.095388,-0.000000>,0.400000
<5.773090,30.861433,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.773090,30.861433,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130302,30.095388,-0.000000>,0.400000
<5.472322,31.035082,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,31.035082,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,31.035082,-0.000000>,0.400000
<5.472322,32.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,32.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,31.035082,-0.000000>,0.400000
<5.814342,31.974775,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,31.974775,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,31.035082,-0.000000>,0.400000
<5.472322,32.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,32.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,32.035084,-0.000000>,0.400000
<5.814342,32.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,32.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,32.035084,-0.000000>,0.400000
<5.472322,33.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,33.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,33.035084,-0.000000>,0.400000
<5.130302,33.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,33.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,33.035084,-0.000000>,0.400000
<5.472322,34.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,34.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,31.035082,-0.000000>,0.400000
<5.814342,31.974775,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,31.974775,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,31.974775,-0.000000>,0.400000
<6.457130,32.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.457130,32.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,31.974775,-0.000000>,0.400000
<6.156363,32.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,32.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,32.914467,-0.000000>,0.400000
<6.156363,33.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,33.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,32.914467,-0.000000>,0.400000
<6.498383,33.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,33.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,31.035082,-0.000000>,0.400000
<5.472322,32.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,32.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,32.035084,-0.000000>,0.400000
<5.814342,32.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,32.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,32.035084,-0.000000>,0.400000
<5.472322,33.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,33.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,33.035084,-0.000000>,0.400000
<5.130302,33.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,33.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,33.035084,-0.000000>,0.400000
<5.472322,34.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,34.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,33.035084,-0.000000>,0.400000
<5.814342,33.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,33.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,33.974773,-0.000000>,0.400000
<6.457130,34.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.457130,34.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,33.974773,-0.000000>,0.400000
<6.156363,34.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,34.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,34.914467,-0.000000>,0.400000
<6.156363,35.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,35.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,34.914467,-0.000000>,0.400000
<6.498383,35.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,35.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,33.035084,-0.000000>,0.400000
<5.472322,34.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,34.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,34.035084,-0.000000>,0.400000
<5.814342,34.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,34.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,34.035084,-0.000000>,0.400000
<5.472322,35.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,35.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,35.035084,-0.000000>,0.400000
<5.130302,35.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,35.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,35.035084,-0.000000>,0.400000
<5.472322,36.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,36.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,35.035084,-0.000000>,0.400000
<5.130302,35.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,35.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130302,35.974773,-0.000000>,0.400000
<5.130302,36.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,36.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130302,35.974773,-0.000000>,0.400000
<4.788282,36.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,36.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,36.914467,-0.000000>,0.400000
<4.145494,37.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.145494,37.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,36.914467,-0.000000>,0.400000
<4.446262,37.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,37.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,35.035084,-0.000000>,0.400000
<5.472322,36.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,36.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,36.035084,-0.000000>,0.400000
<5.814342,36.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,36.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,36.035084,-0.000000>,0.400000
<5.472322,37.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,37.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,37.035084,-0.000000>,0.400000
<5.130302,37.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,37.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,37.035084,-0.000000>,0.400000
<5.472322,38.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,38.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,31.035082,-0.000000>,0.400000
<5.814342,31.974775,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,31.974775,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,31.974775,-0.000000>,0.400000
<6.457130,32.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.457130,32.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,31.974775,-0.000000>,0.400000
<6.156363,32.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,32.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,32.914467,-0.000000>,0.400000
<6.156363,33.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,33.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,32.914467,-0.000000>,0.400000
<6.498383,33.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,33.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,32.914467,-0.000000>,0.400000
<6.799150,33.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.799150,33.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.799150,33.680511,-0.000000>,0.400000
<7.665175,34.180511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.665175,34.180511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.799150,33.680511,-0.000000>,0.400000
<7.441938,34.446556,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.441938,34.446556,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.441938,34.446556,-0.000000>,0.400000
<7.783958,35.386250,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.783958,35.386250,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.441938,34.446556,-0.000000>,0.400000
<8.084725,35.212601,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.084725,35.212601,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,32.914467,-0.000000>,0.400000
<6.498383,33.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,33.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.498383,33.854160,-0.000000>,0.400000
<7.141171,34.620205,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.141171,34.620205,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.498383,33.854160,-0.000000>,0.400000
<6.840403,34.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,34.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,34.793854,-0.000000>,0.400000
<6.840403,35.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,35.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,34.793854,-0.000000>,0.400000
<7.182423,35.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.182423,35.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,34.793854,-0.000000>,0.400000
<6.840403,35.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,35.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,35.793854,-0.000000>,0.400000
<7.182423,36.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.182423,36.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,35.793854,-0.000000>,0.400000
<6.840403,36.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,36.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,36.793854,-0.000000>,0.400000
<6.498383,37.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,37.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,36.793854,-0.000000>,0.400000
<6.840403,37.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,37.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,34.793854,-0.000000>,0.400000
<7.182423,35.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.182423,35.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.182423,35.733543,-0.000000>,0.400000
<7.825211,36.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.825211,36.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.182423,35.733543,-0.000000>,0.400000
<7.524443,36.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.524443,36.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.524443,36.673237,-0.000000>,0.400000
<7.524443,37.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.524443,37.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.524443,36.673237,-0.000000>,0.400000
<7.866463,37.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.866463,37.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,31.035082,-0.000000>,0.400000
<5.472322,32.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,32.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,32.035084,-0.000000>,0.400000
<5.814342,32.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,32.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,32.035084,-0.000000>,0.400000
<5.472322,33.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,33.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,33.035084,-0.000000>,0.400000
<5.130302,33.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,33.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,33.035084,-0.000000>,0.400000
<5.472322,34.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,34.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,33.035084,-0.000000>,0.400000
<5.814342,33.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,33.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,33.974773,-0.000000>,0.400000
<6.457130,34.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.457130,34.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,33.974773,-0.000000>,0.400000
<6.156363,34.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,34.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,34.914467,-0.000000>,0.400000
<6.156363,35.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,35.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,34.914467,-0.000000>,0.400000
<6.498383,35.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,35.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,33.035084,-0.000000>,0.400000
<5.472322,34.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,34.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,34.035084,-0.000000>,0.400000
<5.814342,34.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,34.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,34.035084,-0.000000>,0.400000
<5.472322,35.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,35.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,35.035084,-0.000000>,0.400000
<5.130302,35.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,35.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,35.035084,-0.000000>,0.400000
<5.472322,36.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,36.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,35.035084,-0.000000>,0.400000
<5.130302,35.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,35.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130302,35.974773,-0.000000>,0.400000
<5.130302,36.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,36.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130302,35.974773,-0.000000>,0.400000
<4.788282,36.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,36.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,36.914467,-0.000000>,0.400000
<4.145494,37.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.145494,37.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,36.914467,-0.000000>,0.400000
<4.446262,37.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,37.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,35.035084,-0.000000>,0.400000
<5.472322,36.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,36.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,36.035084,-0.000000>,0.400000
<5.814342,36.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,36.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,36.035084,-0.000000>,0.400000
<5.472322,37.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,37.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,37.035084,-0.000000>,0.400000
<5.130302,37.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,37.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,37.035084,-0.000000>,0.400000
<5.472322,38.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,38.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,35.035084,-0.000000>,0.400000
<5.814342,35.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,35.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,35.974773,-0.000000>,0.400000
<6.457130,36.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.457130,36.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,35.974773,-0.000000>,0.400000
<6.156363,36.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,36.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,36.914467,-0.000000>,0.400000
<6.156363,37.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,37.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,36.914467,-0.000000>,0.400000
<6.498383,37.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,37.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,36.914467,-0.000000>,0.400000
<6.799150,37.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.799150,37.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.799150,37.680511,-0.000000>,0.400000
<7.665175,38.180511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.665175,38.180511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.799150,37.680511,-0.000000>,0.400000
<7.441938,38.446556,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.441938,38.446556,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.441938,38.446556,-0.000000>,0.400000
<7.783958,39.386250,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.783958,39.386250,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.441938,38.446556,-0.000000>,0.400000
<8.084725,39.212601,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.084725,39.212601,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,36.914467,-0.000000>,0.400000
<6.498383,37.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,37.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.498383,37.854160,-0.000000>,0.400000
<7.141171,38.620205,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.141171,38.620205,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.498383,37.854160,-0.000000>,0.400000
<6.840403,38.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,38.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,38.793854,-0.000000>,0.400000
<6.840403,39.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,39.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,38.793854,-0.000000>,0.400000
<7.182423,39.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.182423,39.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,38.793854,-0.000000>,0.400000
<6.840403,39.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,39.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,39.793854,-0.000000>,0.400000
<7.182423,40.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.182423,40.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,39.793854,-0.000000>,0.400000
<6.840403,40.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,40.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,40.793854,-0.000000>,0.400000
<6.498383,41.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,41.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,40.793854,-0.000000>,0.400000
<6.840403,41.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,41.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,38.793854,-0.000000>,0.400000
<7.182423,39.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.182423,39.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.182423,39.733543,-0.000000>,0.400000
<7.825211,40.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.825211,40.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.182423,39.733543,-0.000000>,0.400000
<7.524443,40.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.524443,40.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.524443,40.673237,-0.000000>,0.400000
<7.524443,41.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.524443,41.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.524443,40.673237,-0.000000>,0.400000
<7.866463,41.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.866463,41.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,35.035084,-0.000000>,0.400000
<5.472322,36.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,36.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,36.035084,-0.000000>,0.400000
<5.814342,36.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,36.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,36.035084,-0.000000>,0.400000
<5.472322,37.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,37.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,37.035084,-0.000000>,0.400000
<5.130302,37.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,37.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,37.035084,-0.000000>,0.400000
<5.472322,38.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,38.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,37.035084,-0.000000>,0.400000
<5.814342,37.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,37.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,37.974773,-0.000000>,0.400000
<6.457130,38.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.457130,38.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,37.974773,-0.000000>,0.400000
<6.156363,38.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,38.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,38.914467,-0.000000>,0.400000
<6.156363,39.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,39.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,38.914467,-0.000000>,0.400000
<6.498383,39.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,39.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,37.035084,-0.000000>,0.400000
<5.472322,38.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,38.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,38.035084,-0.000000>,0.400000
<5.814342,38.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,38.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,38.035084,-0.000000>,0.400000
<5.472322,39.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,39.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,39.035084,-0.000000>,0.400000
<5.130302,39.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,39.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,39.035084,-0.000000>,0.400000
<5.472322,40.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,40.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,39.035084,-0.000000>,0.400000
<5.130302,39.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,39.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130302,39.974773,-0.000000>,0.400000
<5.130302,40.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,40.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130302,39.974773,-0.000000>,0.400000
<4.788282,40.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,40.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,40.914467,-0.000000>,0.400000
<4.145494,41.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.145494,41.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,40.914467,-0.000000>,0.400000
<4.446262,41.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,41.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,39.035084,-0.000000>,0.400000
<5.472322,40.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,40.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,40.035084,-0.000000>,0.400000
<5.814342,40.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,40.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,40.035084,-0.000000>,0.400000
<5.472322,41.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,41.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,41.035084,-0.000000>,0.400000
<5.130302,41.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,41.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,41.035084,-0.000000>,0.400000
<5.472322,42.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,42.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,39.035084,-0.000000>,0.400000
<5.130302,39.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,39.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130302,39.974773,-0.000000>,0.400000
<5.130302,40.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,40.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130302,39.974773,-0.000000>,0.400000
<4.788282,40.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,40.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,40.914467,-0.000000>,0.400000
<4.145494,41.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.145494,41.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,40.914467,-0.000000>,0.400000
<4.446262,41.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,41.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,40.914467,-0.000000>,0.400000
<4.788282,41.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,41.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,41.914467,-0.000000>,0.400000
<5.130302,42.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,42.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,41.914467,-0.000000>,0.400000
<4.788282,42.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,42.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,42.914467,-0.000000>,0.400000
<4.446262,43.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,43.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,42.914467,-0.000000>,0.400000
<4.788282,43.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,43.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,40.914467,-0.000000>,0.400000
<4.446262,41.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,41.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,41.854160,-0.000000>,0.400000
<4.446262,42.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,42.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,41.854160,-0.000000>,0.400000
<4.104242,42.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,42.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,42.793854,-0.000000>,0.400000
<3.461454,43.559898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.461454,43.559898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,42.793854,-0.000000>,0.400000
<3.762222,43.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,43.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,42.793854,-0.000000>,0.400000
<3.461454,43.559898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.461454,43.559898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.461454,43.559898,-0.000000>,0.400000
<3.119434,44.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.119434,44.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.461454,43.559898,-0.000000>,0.400000
<2.818666,44.325943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.818666,44.325943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.818666,44.325943,-0.000000>,0.400000
<1.952641,44.825943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.952641,44.825943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.818666,44.325943,-0.000000>,0.400000
<2.175879,45.091988,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.175879,45.091988,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,42.793854,-0.000000>,0.400000
<3.762222,43.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,43.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.762222,43.733543,-0.000000>,0.400000
<3.762222,44.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,44.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.762222,43.733543,-0.000000>,0.400000
<3.420202,44.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,44.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,44.673237,-0.000000>,0.400000
<2.777414,45.439281,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.777414,45.439281,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,44.673237,-0.000000>,0.400000
<3.078181,45.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,45.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,39.035084,-0.000000>,0.400000
<5.472322,40.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,40.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,40.035084,-0.000000>,0.400000
<5.814342,40.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,40.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,40.035084,-0.000000>,0.400000
<5.472322,41.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,41.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,41.035084,-0.000000>,0.400000
<5.130302,41.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,41.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,41.035084,-0.000000>,0.400000
<5.472322,42.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,42.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,41.035084,-0.000000>,0.400000
<5.814342,41.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,41.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,41.974773,-0.000000>,0.400000
<6.457130,42.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.457130,42.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,41.974773,-0.000000>,0.400000
<6.156363,42.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,42.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,42.914467,-0.000000>,0.400000
<6.156363,43.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,43.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,42.914467,-0.000000>,0.400000
<6.498383,43.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,43.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,41.035084,-0.000000>,0.400000
<5.472322,42.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,42.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,42.035084,-0.000000>,0.400000
<5.814342,42.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,42.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,42.035084,-0.000000>,0.400000
<5.472322,43.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,43.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,43.035084,-0.000000>,0.400000
<5.130302,43.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,43.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,43.035084,-0.000000>,0.400000
<5.472322,44.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,44.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,43.035084,-0.000000>,0.400000
<5.130302,43.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,43.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130302,43.974773,-0.000000>,0.400000
<5.130302,44.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,44.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.130302,43.974773,-0.000000>,0.400000
<4.788282,44.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,44.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,44.914467,-0.000000>,0.400000
<4.145494,45.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.145494,45.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,44.914467,-0.000000>,0.400000
<4.446262,45.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,45.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,43.035084,-0.000000>,0.400000
<5.472322,44.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,44.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,44.035084,-0.000000>,0.400000
<5.814342,44.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,44.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,44.035084,-0.000000>,0.400000
<5.472322,45.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,45.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,45.035084,-0.000000>,0.400000
<5.130302,45.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,45.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,45.035084,-0.000000>,0.400000
<5.472322,46.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.472322,46.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.472322,31.035082,-0.000000>,0.400000
<5.814342,31.974775,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.814342,31.974775,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,31.974775,-0.000000>,0.400000
<6.457130,32.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.457130,32.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.814342,31.974775,-0.000000>,0.400000
<6.156363,32.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,32.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,32.914467,-0.000000>,0.400000
<6.156363,33.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.156363,33.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,32.914467,-0.000000>,0.400000
<6.498383,33.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,33.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,32.914467,-0.000000>,0.400000
<6.799150,33.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.799150,33.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.799150,33.680511,-0.000000>,0.400000
<7.665175,34.180511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.665175,34.180511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.799150,33.680511,-0.000000>,0.400000
<7.441938,34.446556,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.441938,34.446556,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.441938,34.446556,-0.000000>,0.400000
<7.783958,35.386250,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.783958,35.386250,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.441938,34.446556,-0.000000>,0.400000
<8.084725,35.212601,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.084725,35.212601,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.156363,32.914467,-0.000000>,0.400000
<6.498383,33.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,33.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.498383,33.854160,-0.000000>,0.400000
<7.141171,34.620205,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.141171,34.620205,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.498383,33.854160,-0.000000>,0.400000
<6.840403,34.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,34.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,34.793854,-0.000000>,0.400000
<6.840403,35.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,35.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,34.793854,-0.000000>,0.400000
<7.182423,35.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.182423,35.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,34.793854,-0.000000>,0.400000
<6.840403,35.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,35.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,35.793854,-0.000000>,0.400000
<7.182423,36.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.182423,36.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,35.793854,-0.000000>,0.400000
<6.840403,36.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,36.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,36.793854,-0.000000>,0.400000
<6.498383,37.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.498383,37.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,36.793854,-0.000000>,0.400000
<6.840403,37.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.840403,37.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,34.793854,-0.000000>,0.400000
<7.182423,35.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.182423,35.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.182423,35.733543,-0.000000>,0.400000
<7.825211,36.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.825211,36.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.182423,35.733543,-0.000000>,0.400000
<7.524443,36.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.524443,36.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.524443,36.673237,-0.000000>,0.400000
<7.524443,37.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.524443,37.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.524443,36.673237,-0.000000>,0.400000
<7.866463,37.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.866463,37.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,34.793854,-0.000000>,0.400000
<7.483191,35.559898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.483191,35.559898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.483191,35.559898,-0.000000>,0.400000
<8.349216,36.059898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.349216,36.059898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.483191,35.559898,-0.000000>,0.400000
<8.125978,36.325943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.125978,36.325943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.125978,36.325943,-0.000000>,0.400000
<8.467999,37.265633,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.467999,37.265633,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.125978,36.325943,-0.000000>,0.400000
<8.768765,37.091988,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.768765,37.091988,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.125978,36.325943,-0.000000>,0.400000
<8.992003,36.825943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.992003,36.825943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.992003,36.825943,-0.000000>,0.400000
<9.976811,36.999588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.976811,36.999588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.992003,36.825943,-0.000000>,0.400000
<9.858029,37.325943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.858029,37.325943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.858029,37.325943,-0.000000>,0.400000
<10.500816,38.091988,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.500816,38.091988,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.858029,37.325943,-0.000000>,0.400000
<10.724054,37.825943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.724054,37.825943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.125978,36.325943,-0.000000>,0.400000
<8.768765,37.091988,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.768765,37.091988,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.768765,37.091988,-0.000000>,0.400000
<9.634791,37.591988,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.634791,37.591988,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.768765,37.091988,-0.000000>,0.400000
<9.411553,37.858028,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.411553,37.858028,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.411553,37.858028,-0.000000>,0.400000
<9.753573,38.797722,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.753573,38.797722,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.411553,37.858028,-0.000000>,0.400000
<10.054341,38.624073,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.054341,38.624073,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.411553,37.858028,-0.000000>,0.400000
<9.753573,38.797722,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.753573,38.797722,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.753573,38.797722,-0.000000>,0.400000
<10.396361,39.563766,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.396361,39.563766,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.753573,38.797722,-0.000000>,0.400000
<10.095593,39.737415,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.095593,39.737415,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.095593,39.737415,-0.000000>,0.400000
<10.095593,40.737415,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.095593,40.737415,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.095593,39.737415,-0.000000>,0.400000
<10.437613,40.677109,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.437613,40.677109,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.411553,37.858028,-0.000000>,0.400000
<10.054341,38.624073,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.054341,38.624073,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.054341,38.624073,-0.000000>,0.400000
<10.920366,39.124073,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.920366,39.124073,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.054341,38.624073,-0.000000>,0.400000
<10.697128,39.390118,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.697128,39.390118,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.697128,39.390118,-0.000000>,0.400000
<11.039148,40.329811,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.039148,40.329811,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.697128,39.390118,-0.000000>,0.400000
<11.339916,40.156162,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.339916,40.156162,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.840403,34.793854,-0.000000>,0.400000
<7.182423,35.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.182423,35.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.182423,35.733543,-0.000000>,0.400000
<7.825211,36.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.825211,36.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.182423,35.733543,-0.000000>,0.400000
<7.524443,36.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.524443,36.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.524443,36.673237,-0.000000>,0.400000
<7.524443,37.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.524443,37.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.524443,36.673237,-0.000000>,0.400000
<7.866463,37.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.866463,37.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.524443,36.673237,-0.000000>,0.400000
<8.167231,37.439281,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.167231,37.439281,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.167231,37.439281,-0.000000>,0.400000
<9.033257,37.939281,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.033257,37.939281,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.167231,37.439281,-0.000000>,0.400000
<8.810019,38.205326,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.810019,38.205326,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.810019,38.205326,-0.000000>,0.400000
<9.152039,39.145020,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.152039,39.145020,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.810019,38.205326,-0.000000>,0.400000
<9.452806,38.971371,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.452806,38.971371,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.524443,36.673237,-0.000000>,0.400000
<7.866463,37.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.866463,37.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.866463,37.612930,-0.000000>,0.400000
<8.509251,38.378975,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.509251,38.378975,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.866463,37.612930,-0.000000>,0.400000
<8.208484,38.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,38.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,38.552624,-0.000000>,0.400000
<8.208484,39.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,39.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,38.552624,-0.000000>,0.400000
<8.550504,39.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.550504,39.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,38.552624,-0.000000>,0.400000
<8.208484,39.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,39.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,39.552624,-0.000000>,0.400000
<8.550504,40.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.550504,40.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,39.552624,-0.000000>,0.400000
<8.208484,40.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,40.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,40.552624,-0.000000>,0.400000
<7.866463,41.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.866463,41.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,40.552624,-0.000000>,0.400000
<8.208484,41.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,41.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,38.552624,-0.000000>,0.400000
<8.550504,39.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.550504,39.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.550504,39.492317,-0.000000>,0.400000
<9.193292,40.258362,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.193292,40.258362,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.550504,39.492317,-0.000000>,0.400000
<8.892524,40.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.892524,40.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.892524,40.432007,-0.000000>,0.400000
<8.892524,41.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.892524,41.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.892524,40.432007,-0.000000>,0.400000
<9.234544,41.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.234544,41.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,38.552624,-0.000000>,0.400000
<8.208484,39.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,39.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,39.552624,-0.000000>,0.400000
<8.550504,40.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.550504,40.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,39.552624,-0.000000>,0.400000
<8.208484,40.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,40.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,40.552624,-0.000000>,0.400000
<7.866463,41.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.866463,41.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,40.552624,-0.000000>,0.400000
<8.208484,41.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,41.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,40.552624,-0.000000>,0.400000
<8.550504,41.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.550504,41.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.550504,41.492317,-0.000000>,0.400000
<9.193292,42.258362,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.193292,42.258362,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.550504,41.492317,-0.000000>,0.400000
<8.892524,42.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.892524,42.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.892524,42.432007,-0.000000>,0.400000
<8.892524,43.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.892524,43.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.892524,42.432007,-0.000000>,0.400000
<9.234544,43.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.234544,43.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,40.552624,-0.000000>,0.400000
<8.208484,41.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,41.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,41.552624,-0.000000>,0.400000
<8.550504,42.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.550504,42.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,41.552624,-0.000000>,0.400000
<8.208484,42.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,42.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,42.552624,-0.000000>,0.400000
<7.866463,43.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.866463,43.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,42.552624,-0.000000>,0.400000
<8.208484,43.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,43.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,42.552624,-0.000000>,0.400000
<7.866463,43.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.866463,43.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.866463,43.492317,-0.000000>,0.400000
<7.866463,44.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.866463,44.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.866463,43.492317,-0.000000>,0.400000
<7.524443,44.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.524443,44.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.524443,44.432007,-0.000000>,0.400000
<6.881656,45.198051,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.881656,45.198051,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.524443,44.432007,-0.000000>,0.400000
<7.182423,45.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.182423,45.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,42.552624,-0.000000>,0.400000
<8.208484,43.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,43.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,43.552624,-0.000000>,0.400000
<8.550504,44.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.550504,44.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,43.552624,-0.000000>,0.400000
<8.208484,44.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,44.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,44.552624,-0.000000>,0.400000
<7.866463,45.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.866463,45.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,44.552624,-0.000000>,0.400000
<8.208484,45.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.208484,45.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.208484,38.552624,-0.000000>,0.400000
<8.550504,39.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.550504,39.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.550504,39.492317,-0.000000>,0.400000
<9.193292,40.258362,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.193292,40.258362,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.550504,39.492317,-0.000000>,0.400000
<8.892524,40.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.892524,40.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.892524,40.432007,-0.000000>,0.400000
<8.892524,41.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.892524,41.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.892524,40.432007,-0.000000>,0.400000
<9.234544,41.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.234544,41.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.892524,40.432007,-0.000000>,0.400000
<9.535312,41.198051,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.535312,41.198051,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.535312,41.198051,-0.000000>,0.400000
<10.401337,41.698051,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.401337,41.698051,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.535312,41.198051,-0.000000>,0.400000
<10.178099,41.964096,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.178099,41.964096,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.178099,41.964096,-0.000000>,0.400000
<10.520119,42.903790,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.520119,42.903790,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.178099,41.964096,-0.000000>,0.400000
<10.820887,42.730141,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.820887,42.730141,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.892524,40.432007,-0.000000>,0.400000
<9.234544,41.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.234544,41.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.234544,41.371700,-0.000000>,0.400000
<9.877332,42.137745,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.877332,42.137745,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.234544,41.371700,-0.000000>,0.400000
<9.576564,42.311394,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.576564,42.311394,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.576564,42.311394,-0.000000>,0.400000
<9.576564,43.311394,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.576564,43.311394,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.576564,42.311394,-0.000000>,0.400000
<9.918584,43.251087,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.918584,43.251087,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.576564,42.311394,-0.000000>,0.400000
<9.576564,43.311394,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.576564,43.311394,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.576564,43.311394,-0.000000>,0.400000
<9.918584,44.251087,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.918584,44.251087,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.576564,43.311394,-0.000000>,0.400000
<9.576564,44.311394,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.576564,44.311394,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.576564,44.311394,-0.000000>,0.400000
<9.234544,45.251087,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.234544,45.251087,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.576564,44.311394,-0.000000>,0.400000
<9.576564,45.311394,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.576564,45.311394,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.576564,42.311394,-0.000000>,0.400000
<9.918584,43.251087,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.918584,43.251087,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.918584,43.251087,-0.000000>,0.400000
<10.561372,44.017132,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.561372,44.017132,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.918584,43.251087,-0.000000>,0.400000
<10.260604,44.190777,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.260604,44.190777,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.260604,44.190777,-0.000000>,0.400000
<10.260604,45.190777,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.260604,45.190777,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.260604,44.190777,-0.000000>,0.400000
<10.602625,45.130470,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.602625,45.130470,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.400000
<0.000000,17.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,17.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.400000
<0.342020,17.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,17.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.400000
<0.000000,18.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.400000
<-0.342020,18.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,18.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.400000
<0.000000,19.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.400000
<0.342020,18.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,18.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,18.939693,-0.000000>,0.400000
<0.984808,19.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,19.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,18.939693,-0.000000>,0.400000
<0.684040,19.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,19.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,19.879385,-0.000000>,0.400000
<0.684040,20.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,20.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,19.879385,-0.000000>,0.400000
<1.026060,20.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,20.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.400000
<0.000000,19.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.400000
<0.342020,19.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,19.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.400000
<0.000000,20.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,20.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<-0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<-0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,20.939693,-0.000000>,0.400000
<-0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,20.939693,-0.000000>,0.400000
<-0.684040,21.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,21.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,21.879385,-0.000000>,0.400000
<-1.326828,22.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,22.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,21.879385,-0.000000>,0.400000
<-1.026060,22.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,22.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.400000
<0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.400000
<0.000000,22.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,22.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.400000
<-0.342020,22.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,22.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.400000
<0.000000,23.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,23.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,20.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,20.939693,-0.000000>,0.400000
<0.984808,21.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,21.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,20.939693,-0.000000>,0.400000
<0.684040,21.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,21.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,21.879385,-0.000000>,0.400000
<0.684040,22.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,22.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,21.879385,-0.000000>,0.400000
<1.026060,22.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,22.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,21.879385,-0.000000>,0.400000
<1.326828,22.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.326828,22.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,22.645430,-0.000000>,0.400000
<2.192853,23.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.192853,23.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,22.645430,-0.000000>,0.400000
<1.969615,23.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.969615,23.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,23.411474,-0.000000>,0.400000
<2.311636,24.351168,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.311636,24.351168,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,23.411474,-0.000000>,0.400000
<2.612403,24.177519,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.612403,24.177519,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,21.879385,-0.000000>,0.400000
<1.026060,22.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,22.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,22.819078,-0.000000>,0.400000
<1.668848,23.585123,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.668848,23.585123,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,22.819078,-0.000000>,0.400000
<1.368081,23.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,23.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,23.758770,-0.000000>,0.400000
<1.368081,24.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,24.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,23.758770,-0.000000>,0.400000
<1.710101,24.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,24.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,23.758770,-0.000000>,0.400000
<1.368081,24.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,24.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,24.758770,-0.000000>,0.400000
<1.710101,25.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,25.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,24.758770,-0.000000>,0.400000
<1.368081,25.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,25.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,25.758770,-0.000000>,0.400000
<1.026060,26.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,26.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,25.758770,-0.000000>,0.400000
<1.368081,26.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,26.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,23.758770,-0.000000>,0.400000
<1.710101,24.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,24.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,24.698463,-0.000000>,0.400000
<2.352888,25.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,25.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,24.698463,-0.000000>,0.400000
<2.052121,25.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,25.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,25.638155,-0.000000>,0.400000
<2.052121,26.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,26.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,25.638155,-0.000000>,0.400000
<2.394141,26.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,26.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.400000
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.400000
<0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,21.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.400000
<0.000000,22.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,22.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.400000
<-0.342020,22.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,22.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.400000
<0.000000,23.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,23.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.400000
<0.342020,22.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,22.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,22.939693,-0.000000>,0.400000
<0.984808,23.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,23.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,22.939693,-0.000000>,0.400000
<0.684040,23.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,23.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,23.879385,-0.000000>,0.400000
<0.684040,24.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,24.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,23.879385,-0.000000>,0.400000
<1.026060,24.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,24.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.400000
<0.000000,23.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,23.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,23.000000,-0.000000>,0.400000
<0.342020,23.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,23.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,23.000000,-0.000000>,0.400000
<0.000000,24.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,24.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.400000
<-0.342020,24.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,24.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.400000
<0.000000,25.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,25.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.400000
<-0.342020,24.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,24.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,24.939693,-0.000000>,0.400000
<-0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,24.939693,-0.000000>,0.400000
<-0.684040,25.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,25.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,25.879385,-0.000000>,0.400000
<-1.326828,26.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,26.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,25.879385,-0.000000>,0.400000
<-1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.400000
<0.000000,25.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,25.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.400000
<0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.400000
<0.000000,26.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,26.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<-0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.400000
<-0.342020,24.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,24.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,24.939693,-0.000000>,0.400000
<-0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,24.939693,-0.000000>,0.400000
<-0.684040,25.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,25.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,25.879385,-0.000000>,0.400000
<-1.326828,26.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,26.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,25.879385,-0.000000>,0.400000
<-1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,25.879385,-0.000000>,0.400000
<-0.684040,26.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,26.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,26.879385,-0.000000>,0.400000
<-0.342020,27.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,27.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,26.879385,-0.000000>,0.400000
<-0.684040,27.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,27.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,27.879385,-0.000000>,0.400000
<-1.026060,28.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,28.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,27.879385,-0.000000>,0.400000
<-0.684040,28.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,28.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,25.879385,-0.000000>,0.400000
<-1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,26.819078,-0.000000>,0.400000
<-1.026060,27.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,27.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,26.819078,-0.000000>,0.400000
<-1.368081,27.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,27.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,27.758770,-0.000000>,0.400000
<-2.010868,28.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,28.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,27.758770,-0.000000>,0.400000
<-1.710101,28.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,28.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,27.758770,-0.000000>,0.400000
<-2.010868,28.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,28.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,28.524815,-0.000000>,0.400000
<-2.352888,29.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.352888,29.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,28.524815,-0.000000>,0.400000
<-2.653656,29.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.653656,29.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,29.290859,-0.000000>,0.400000
<-3.519681,29.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.519681,29.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,29.290859,-0.000000>,0.400000
<-3.296443,30.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.296443,30.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,27.758770,-0.000000>,0.400000
<-1.710101,28.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,28.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,28.698463,-0.000000>,0.400000
<-1.710101,29.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,29.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,28.698463,-0.000000>,0.400000
<-2.052121,29.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,29.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,29.638155,-0.000000>,0.400000
<-2.694908,30.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,30.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,29.638155,-0.000000>,0.400000
<-2.394141,30.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,30.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.400000
<0.000000,25.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,25.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.400000
<0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.400000
<0.000000,26.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,26.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<-0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,26.939693,-0.000000>,0.400000
<0.984808,27.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,27.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,26.939693,-0.000000>,0.400000
<0.684040,27.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,27.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,27.879385,-0.000000>,0.400000
<0.684040,28.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,28.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,27.879385,-0.000000>,0.400000
<1.026060,28.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,28.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.000000,-0.000000>,0.400000
<0.342020,27.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,27.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.000000,-0.000000>,0.400000
<0.000000,28.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,28.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.400000
<-0.342020,28.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,28.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.400000
<0.000000,29.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.400000
<-0.342020,28.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,28.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,28.939693,-0.000000>,0.400000
<-0.342020,29.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,29.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,28.939693,-0.000000>,0.400000
<-0.684040,29.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,29.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,29.879385,-0.000000>,0.400000
<-1.326828,30.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,30.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,29.879385,-0.000000>,0.400000
<-1.026060,30.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,30.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.400000
<0.000000,29.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,0.400000
<0.342020,29.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,29.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,0.400000
<0.000000,30.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,30.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.400000
<-0.342020,30.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,30.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.400000
<0.000000,31.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,31.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.400000
<0.342020,24.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,24.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,24.939693,-0.000000>,0.400000
<0.984808,25.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,25.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,24.939693,-0.000000>,0.400000
<0.684040,25.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,25.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,25.879385,-0.000000>,0.400000
<0.684040,26.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,26.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,25.879385,-0.000000>,0.400000
<1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,25.879385,-0.000000>,0.400000
<1.326828,26.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.326828,26.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,26.645430,-0.000000>,0.400000
<2.192853,27.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.192853,27.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,26.645430,-0.000000>,0.400000
<1.969615,27.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.969615,27.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,27.411474,-0.000000>,0.400000
<2.311636,28.351168,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.311636,28.351168,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,27.411474,-0.000000>,0.400000
<2.612403,28.177519,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.612403,28.177519,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,25.879385,-0.000000>,0.400000
<1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,26.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,26.819078,-0.000000>,0.400000
<1.668848,27.585123,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.668848,27.585123,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,26.819078,-0.000000>,0.400000
<1.368081,27.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,27.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,27.758770,-0.000000>,0.400000
<1.368081,28.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,28.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,27.758770,-0.000000>,0.400000
<1.710101,28.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,28.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,27.758770,-0.000000>,0.400000
<1.368081,28.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,28.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,28.758770,-0.000000>,0.400000
<1.710101,29.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,29.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,28.758770,-0.000000>,0.400000
<1.368081,29.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,29.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,29.758770,-0.000000>,0.400000
<1.026060,30.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,30.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,29.758770,-0.000000>,0.400000
<1.368081,30.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,30.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,27.758770,-0.000000>,0.400000
<1.710101,28.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,28.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,28.698463,-0.000000>,0.400000
<2.352888,29.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,29.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,28.698463,-0.000000>,0.400000
<2.052121,29.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,29.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,29.638155,-0.000000>,0.400000
<2.052121,30.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,30.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,29.638155,-0.000000>,0.400000
<2.394141,30.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,30.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,27.758770,-0.000000>,0.400000
<2.010868,28.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.010868,28.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.010868,28.524815,-0.000000>,0.400000
<2.876894,29.024815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.876894,29.024815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.010868,28.524815,-0.000000>,0.400000
<2.653656,29.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.653656,29.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,29.290859,-0.000000>,0.400000
<2.995676,30.230553,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.995676,30.230553,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,29.290859,-0.000000>,0.400000
<3.296443,30.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.296443,30.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,29.290859,-0.000000>,0.400000
<3.519681,29.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.519681,29.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.519681,29.790859,-0.000000>,0.400000
<4.504489,29.964508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.504489,29.964508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.519681,29.790859,-0.000000>,0.400000
<4.385706,30.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.385706,30.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.385706,30.290859,-0.000000>,0.400000
<5.028494,31.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.028494,31.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.385706,30.290859,-0.000000>,0.400000
<5.251732,30.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.251732,30.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,29.290859,-0.000000>,0.400000
<3.296443,30.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.296443,30.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.296443,30.056904,-0.000000>,0.400000
<4.162469,30.556904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.162469,30.556904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.296443,30.056904,-0.000000>,0.400000
<3.939231,30.822948,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.939231,30.822948,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,30.822948,-0.000000>,0.400000
<4.281251,31.762640,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.281251,31.762640,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,30.822948,-0.000000>,0.400000
<4.582019,31.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.582019,31.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,30.822948,-0.000000>,0.400000
<4.281251,31.762640,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.281251,31.762640,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.281251,31.762640,-0.000000>,0.400000
<4.924039,32.528687,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.924039,32.528687,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.281251,31.762640,-0.000000>,0.400000
<4.623271,32.702335,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.623271,32.702335,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.623271,32.702335,-0.000000>,0.400000
<4.623271,33.702335,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.623271,33.702335,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.623271,32.702335,-0.000000>,0.400000
<4.965292,33.642025,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.965292,33.642025,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,30.822948,-0.000000>,0.400000
<4.582019,31.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.582019,31.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.582019,31.588993,-0.000000>,0.400000
<5.448044,32.088993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.448044,32.088993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.582019,31.588993,-0.000000>,0.400000
<5.224806,32.355038,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.224806,32.355038,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.224806,32.355038,-0.000000>,0.400000
<5.566826,33.294731,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.566826,33.294731,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.224806,32.355038,-0.000000>,0.400000
<5.867594,33.121082,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.867594,33.121082,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,27.758770,-0.000000>,0.400000
<1.710101,28.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,28.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,28.698463,-0.000000>,0.400000
<2.352888,29.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,29.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,28.698463,-0.000000>,0.400000
<2.052121,29.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,29.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,29.638155,-0.000000>,0.400000
<2.052121,30.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,30.638155,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,29.638155,-0.000000>,0.400000
<2.394141,30.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,30.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,29.638155,-0.000000>,0.400000
<2.694908,30.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.694908,30.404200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.694908,30.404200,-0.000000>,0.400000
<3.560934,30.904200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.560934,30.904200,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.694908,30.404200,-0.000000>,0.400000
<3.337696,31.170244,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.337696,31.170244,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.337696,31.170244,-0.000000>,0.400000
<3.679716,32.109936,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.679716,32.109936,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.337696,31.170244,-0.000000>,0.400000
<3.980484,31.936289,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.980484,31.936289,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,29.638155,-0.000000>,0.400000
<2.394141,30.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,30.577848,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,30.577848,-0.000000>,0.400000
<3.036929,31.343893,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.036929,31.343893,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,30.577848,-0.000000>,0.400000
<2.736161,31.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,31.517542,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,31.517542,-0.000000>,0.400000
<2.736161,32.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,32.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,31.517542,-0.000000>,0.400000
<3.078181,32.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,32.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,31.517542,-0.000000>,0.400000
<2.736161,32.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,32.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,32.517540,-0.000000>,0.400000
<3.078181,33.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,33.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,32.517540,-0.000000>,0.400000
<2.736161,33.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,33.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,33.517540,-0.000000>,0.400000
<2.394141,34.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,34.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,33.517540,-0.000000>,0.400000
<2.736161,34.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,34.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,31.517542,-0.000000>,0.400000
<3.078181,32.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,32.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,32.457233,-0.000000>,0.400000
<3.720969,33.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.720969,33.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,32.457233,-0.000000>,0.400000
<3.420202,33.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,33.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,33.396927,-0.000000>,0.400000
<3.420202,34.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,34.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,33.396927,-0.000000>,0.400000
<3.762222,34.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,34.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,31.517542,-0.000000>,0.400000
<2.736161,32.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,32.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,32.517540,-0.000000>,0.400000
<3.078181,33.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,33.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,32.517540,-0.000000>,0.400000
<2.736161,33.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,33.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,33.517540,-0.000000>,0.400000
<2.394141,34.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,34.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,33.517540,-0.000000>,0.400000
<2.736161,34.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,34.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,33.517540,-0.000000>,0.400000
<3.078181,34.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,34.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,34.457233,-0.000000>,0.400000
<3.720969,35.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.720969,35.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,34.457233,-0.000000>,0.400000
<3.420202,35.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,35.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,35.396927,-0.000000>,0.400000
<3.420202,36.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,36.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,35.396927,-0.000000>,0.400000
<3.762222,36.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,36.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,33.517540,-0.000000>,0.400000
<2.736161,34.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,34.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,34.517540,-0.000000>,0.400000
<3.078181,35.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,35.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,34.517540,-0.000000>,0.400000
<2.736161,35.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,35.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,35.517540,-0.000000>,0.400000
<2.394141,36.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,36.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,35.517540,-0.000000>,0.400000
<2.736161,36.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,36.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,35.517540,-0.000000>,0.400000
<2.394141,36.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,36.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,36.457233,-0.000000>,0.400000
<2.394141,37.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,37.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,36.457233,-0.000000>,0.400000
<2.052121,37.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,37.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,37.396927,-0.000000>,0.400000
<1.409333,38.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.409333,38.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,37.396927,-0.000000>,0.400000
<1.710101,38.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,38.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,35.517540,-0.000000>,0.400000
<2.736161,36.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,36.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,36.517540,-0.000000>,0.400000
<3.078181,37.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,37.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,36.517540,-0.000000>,0.400000
<2.736161,37.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,37.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,37.517540,-0.000000>,0.400000
<2.394141,38.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,38.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,37.517540,-0.000000>,0.400000
<2.736161,38.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,38.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,31.517542,-0.000000>,0.400000
<3.078181,32.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,32.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,32.457233,-0.000000>,0.400000
<3.720969,33.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.720969,33.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,32.457233,-0.000000>,0.400000
<3.420202,33.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,33.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,33.396927,-0.000000>,0.400000
<3.420202,34.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,34.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,33.396927,-0.000000>,0.400000
<3.762222,34.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,34.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,33.396927,-0.000000>,0.400000
<4.062989,34.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.062989,34.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.062989,34.162971,-0.000000>,0.400000
<4.929015,34.662971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.929015,34.662971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.062989,34.162971,-0.000000>,0.400000
<4.705777,34.929016,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.705777,34.929016,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.705777,34.929016,-0.000000>,0.400000
<5.047797,35.868710,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.047797,35.868710,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.705777,34.929016,-0.000000>,0.400000
<5.348564,35.695061,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.348564,35.695061,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,33.396927,-0.000000>,0.400000
<3.762222,34.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,34.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.762222,34.336620,-0.000000>,0.400000
<4.405009,35.102665,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.405009,35.102665,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.762222,34.336620,-0.000000>,0.400000
<4.104242,35.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,35.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,35.276310,-0.000000>,0.400000
<4.104242,36.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,36.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,35.276310,-0.000000>,0.400000
<4.446262,36.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,36.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,35.276310,-0.000000>,0.400000
<4.104242,36.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,36.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,36.276310,-0.000000>,0.400000
<4.446262,37.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,37.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,36.276310,-0.000000>,0.400000
<4.104242,37.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,37.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,37.276310,-0.000000>,0.400000
<3.762222,38.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,38.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,37.276310,-0.000000>,0.400000
<4.104242,38.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,38.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,35.276310,-0.000000>,0.400000
<4.446262,36.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,36.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,36.216003,-0.000000>,0.400000
<5.089049,36.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.089049,36.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,36.216003,-0.000000>,0.400000
<4.788282,37.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,37.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,37.155697,-0.000000>,0.400000
<4.788282,38.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,38.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,37.155697,-0.000000>,0.400000
<5.130302,38.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,38.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.400000
<0.000000,25.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,25.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.400000
<0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,25.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.400000
<0.000000,26.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,26.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<-0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,26.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,26.939693,-0.000000>,0.400000
<0.984808,27.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,27.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,26.939693,-0.000000>,0.400000
<0.684040,27.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,27.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,27.879385,-0.000000>,0.400000
<0.684040,28.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,28.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,27.879385,-0.000000>,0.400000
<1.026060,28.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,28.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.400000
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.000000,-0.000000>,0.400000
<0.342020,27.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,27.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.000000,-0.000000>,0.400000
<0.000000,28.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,28.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.400000
<-0.342020,28.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,28.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.400000
<0.000000,29.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.400000
<-0.342020,28.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,28.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,28.939693,-0.000000>,0.400000
<-0.342020,29.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,29.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,28.939693,-0.000000>,0.400000
<-0.684040,29.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,29.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,29.879385,-0.000000>,0.400000
<-1.326828,30.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,30.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,29.879385,-0.000000>,0.400000
<-1.026060,30.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,30.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.400000
<0.000000,29.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,0.400000
<0.342020,29.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,29.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,0.400000
<0.000000,30.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,30.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.400000
<-0.342020,30.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,30.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.400000
<0.000000,31.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,31.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.400000
<0.342020,28.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,28.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,28.939693,-0.000000>,0.400000
<0.984808,29.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,29.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,28.939693,-0.000000>,0.400000
<0.684040,29.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,29.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,29.879385,-0.000000>,0.400000
<0.684040,30.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,30.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,29.879385,-0.000000>,0.400000
<1.026060,30.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,30.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,29.879385,-0.000000>,0.400000
<1.326828,30.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.326828,30.645430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,30.645430,-0.000000>,0.400000
<2.192853,31.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.192853,31.145430,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,30.645430,-0.000000>,0.400000
<1.969615,31.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.969615,31.411474,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,31.411474,-0.000000>,0.400000
<2.311636,32.351166,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.311636,32.351166,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,31.411474,-0.000000>,0.400000
<2.612403,32.177517,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.612403,32.177517,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,29.879385,-0.000000>,0.400000
<1.026060,30.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,30.819078,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,30.819078,-0.000000>,0.400000
<1.668848,31.585123,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.668848,31.585123,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,30.819078,-0.000000>,0.400000
<1.368081,31.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,31.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,31.758770,-0.000000>,0.400000
<1.368081,32.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,32.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,31.758770,-0.000000>,0.400000
<1.710101,32.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,32.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,31.758770,-0.000000>,0.400000
<1.368081,32.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,32.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,32.758770,-0.000000>,0.400000
<1.710101,33.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,33.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,32.758770,-0.000000>,0.400000
<1.368081,33.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,33.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,33.758770,-0.000000>,0.400000
<1.026060,34.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,34.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,33.758770,-0.000000>,0.400000
<1.368081,34.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,34.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,31.758770,-0.000000>,0.400000
<1.710101,32.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,32.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,32.698463,-0.000000>,0.400000
<2.352888,33.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,33.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,32.698463,-0.000000>,0.400000
<2.052121,33.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,33.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,33.638157,-0.000000>,0.400000
<2.052121,34.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,34.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,33.638157,-0.000000>,0.400000
<2.394141,34.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,34.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.400000
<0.000000,29.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,0.400000
<0.342020,29.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,29.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,0.400000
<0.000000,30.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,30.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.400000
<-0.342020,30.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,30.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.400000
<0.000000,31.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,31.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.400000
<0.342020,30.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,30.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,30.939693,-0.000000>,0.400000
<0.984808,31.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,31.705736,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,30.939693,-0.000000>,0.400000
<0.684040,31.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,31.879385,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,31.879385,-0.000000>,0.400000
<0.684040,32.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,32.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,31.879385,-0.000000>,0.400000
<1.026060,32.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,32.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.400000
<0.000000,31.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,31.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,31.000000,-0.000000>,0.400000
<0.342020,31.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,31.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,31.000000,-0.000000>,0.400000
<0.000000,32.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,32.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.400000
<-0.342020,32.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,32.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.400000
<0.000000,33.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,33.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.400000
<-0.342020,32.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,32.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,32.939693,-0.000000>,0.400000
<-0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,32.939693,-0.000000>,0.400000
<-0.684040,33.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,33.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,33.879387,-0.000000>,0.400000
<-1.326828,34.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,34.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,33.879387,-0.000000>,0.400000
<-1.026060,34.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,34.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.400000
<0.000000,33.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,33.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,33.000000,-0.000000>,0.400000
<0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,33.000000,-0.000000>,0.400000
<0.000000,34.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,34.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.400000
<-0.342020,34.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,34.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.400000
<0.000000,35.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,35.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.400000
<-0.342020,32.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,32.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,32.939693,-0.000000>,0.400000
<-0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,32.939693,-0.000000>,0.400000
<-0.684040,33.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,33.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,33.879387,-0.000000>,0.400000
<-1.326828,34.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,34.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,33.879387,-0.000000>,0.400000
<-1.026060,34.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,34.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,33.879387,-0.000000>,0.400000
<-0.684040,34.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,34.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,34.879387,-0.000000>,0.400000
<-0.342020,35.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,35.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,34.879387,-0.000000>,0.400000
<-0.684040,35.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,35.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,35.879387,-0.000000>,0.400000
<-1.026060,36.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,36.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,35.879387,-0.000000>,0.400000
<-0.684040,36.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,36.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,33.879387,-0.000000>,0.400000
<-1.026060,34.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,34.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,34.819077,-0.000000>,0.400000
<-1.026060,35.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,35.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,34.819077,-0.000000>,0.400000
<-1.368081,35.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,35.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-2.010868,36.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,36.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-2.010868,36.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,36.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,36.524815,-0.000000>,0.400000
<-2.352888,37.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.352888,37.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,36.524815,-0.000000>,0.400000
<-2.653656,37.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.653656,37.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,37.290859,-0.000000>,0.400000
<-3.519681,37.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.519681,37.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,37.290859,-0.000000>,0.400000
<-3.296443,38.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.296443,38.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,36.698463,-0.000000>,0.400000
<-1.710101,37.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,37.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,36.698463,-0.000000>,0.400000
<-2.052121,37.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,37.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,37.638157,-0.000000>,0.400000
<-2.694908,38.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,38.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,37.638157,-0.000000>,0.400000
<-2.394141,38.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,38.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.400000
<0.000000,33.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,33.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,33.000000,-0.000000>,0.400000
<0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,33.000000,-0.000000>,0.400000
<0.000000,34.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,34.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.400000
<-0.342020,34.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,34.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.400000
<0.000000,35.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,35.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.400000
<0.342020,34.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,34.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,34.939693,-0.000000>,0.400000
<0.984808,35.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,35.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,34.939693,-0.000000>,0.400000
<0.684040,35.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,35.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,35.879387,-0.000000>,0.400000
<0.684040,36.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,36.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,35.879387,-0.000000>,0.400000
<1.026060,36.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,36.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.400000
<0.000000,35.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,35.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,35.000000,-0.000000>,0.400000
<0.342020,35.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,35.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,35.000000,-0.000000>,0.400000
<0.000000,36.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,36.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<-0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<-0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,36.939693,-0.000000>,0.400000
<-0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,36.939693,-0.000000>,0.400000
<-0.684040,37.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,37.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,37.879387,-0.000000>,0.400000
<-1.326828,38.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,38.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,37.879387,-0.000000>,0.400000
<-1.026060,38.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,38.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,37.000000,-0.000000>,0.400000
<0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,37.000000,-0.000000>,0.400000
<0.000000,38.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,38.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.400000
<-0.342020,38.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,38.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.400000
<0.000000,39.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,39.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.400000
<-0.342020,32.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,32.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,32.939693,-0.000000>,0.400000
<-0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,32.939693,-0.000000>,0.400000
<-0.684040,33.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,33.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,33.879387,-0.000000>,0.400000
<-1.326828,34.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,34.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,33.879387,-0.000000>,0.400000
<-1.026060,34.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,34.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,33.879387,-0.000000>,0.400000
<-0.684040,34.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,34.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,34.879387,-0.000000>,0.400000
<-0.342020,35.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,35.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,34.879387,-0.000000>,0.400000
<-0.684040,35.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,35.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,35.879387,-0.000000>,0.400000
<-1.026060,36.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,36.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,35.879387,-0.000000>,0.400000
<-0.684040,36.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,36.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,33.879387,-0.000000>,0.400000
<-1.026060,34.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,34.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,34.819077,-0.000000>,0.400000
<-1.026060,35.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,35.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,34.819077,-0.000000>,0.400000
<-1.368081,35.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,35.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-2.010868,36.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,36.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-2.010868,36.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,36.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,36.524815,-0.000000>,0.400000
<-2.352888,37.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.352888,37.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,36.524815,-0.000000>,0.400000
<-2.653656,37.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.653656,37.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,37.290859,-0.000000>,0.400000
<-3.519681,37.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.519681,37.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,37.290859,-0.000000>,0.400000
<-3.296443,38.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.296443,38.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,36.698463,-0.000000>,0.400000
<-1.710101,37.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,37.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,36.698463,-0.000000>,0.400000
<-2.052121,37.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,37.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,37.638157,-0.000000>,0.400000
<-2.694908,38.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,38.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,37.638157,-0.000000>,0.400000
<-2.394141,38.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,38.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-1.368081,36.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,36.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,36.758770,-0.000000>,0.400000
<-1.026060,37.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,37.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,36.758770,-0.000000>,0.400000
<-1.368081,37.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,37.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,37.758770,-0.000000>,0.400000
<-1.710101,38.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,38.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,37.758770,-0.000000>,0.400000
<-1.368081,38.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,38.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,37.758770,-0.000000>,0.400000
<-1.026060,38.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,38.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,38.698463,-0.000000>,0.400000
<-0.383273,39.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.383273,39.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,38.698463,-0.000000>,0.400000
<-0.684040,39.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,39.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,39.638157,-0.000000>,0.400000
<-0.684040,40.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,40.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,39.638157,-0.000000>,0.400000
<-0.342020,40.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,40.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,37.758770,-0.000000>,0.400000
<-1.368081,38.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,38.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,38.758770,-0.000000>,0.400000
<-1.026060,39.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,39.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,38.758770,-0.000000>,0.400000
<-1.368081,39.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,39.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,39.758770,-0.000000>,0.400000
<-1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,39.758770,-0.000000>,0.400000
<-1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,39.758770,-0.000000>,0.400000
<-1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,40.698463,-0.000000>,0.400000
<-1.710101,41.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,41.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,40.698463,-0.000000>,0.400000
<-2.052121,41.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,41.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,41.638157,-0.000000>,0.400000
<-2.694908,42.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,42.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,41.638157,-0.000000>,0.400000
<-2.394141,42.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,42.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,39.758770,-0.000000>,0.400000
<-1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,40.758770,-0.000000>,0.400000
<-1.026060,41.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,41.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,40.758770,-0.000000>,0.400000
<-1.368081,41.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,41.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,41.758770,-0.000000>,0.400000
<-1.710101,42.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,42.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,41.758770,-0.000000>,0.400000
<-1.368081,42.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,42.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,36.698463,-0.000000>,0.400000
<-1.710101,37.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,37.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,36.698463,-0.000000>,0.400000
<-2.052121,37.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,37.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,37.638157,-0.000000>,0.400000
<-2.694908,38.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,38.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,37.638157,-0.000000>,0.400000
<-2.394141,38.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,38.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,37.638157,-0.000000>,0.400000
<-2.052121,38.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,38.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,38.638157,-0.000000>,0.400000
<-1.710101,39.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,39.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,38.638157,-0.000000>,0.400000
<-2.052121,39.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,39.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,39.638157,-0.000000>,0.400000
<-2.394141,40.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,40.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,39.638157,-0.000000>,0.400000
<-2.052121,40.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,40.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,37.638157,-0.000000>,0.400000
<-2.394141,38.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,38.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,38.577847,-0.000000>,0.400000
<-2.394141,39.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,39.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,38.577847,-0.000000>,0.400000
<-2.736161,39.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,39.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,39.517540,-0.000000>,0.400000
<-3.378949,40.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.378949,40.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,39.517540,-0.000000>,0.400000
<-3.078181,40.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,40.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,39.517540,-0.000000>,0.400000
<-3.378949,40.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.378949,40.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,40.283585,-0.000000>,0.400000
<-3.720969,41.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.720969,41.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,40.283585,-0.000000>,0.400000
<-4.021736,41.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.021736,41.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,41.049629,-0.000000>,0.400000
<-4.887762,41.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.887762,41.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,41.049629,-0.000000>,0.400000
<-4.664524,41.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.664524,41.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,39.517540,-0.000000>,0.400000
<-3.078181,40.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,40.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,40.457233,-0.000000>,0.400000
<-3.078181,41.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,41.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,40.457233,-0.000000>,0.400000
<-3.420202,41.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,41.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-4.062989,42.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.062989,42.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,39.517540,-0.000000>,0.400000
<-3.378949,40.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.378949,40.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,40.283585,-0.000000>,0.400000
<-3.720969,41.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.720969,41.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,40.283585,-0.000000>,0.400000
<-4.021736,41.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.021736,41.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,41.049629,-0.000000>,0.400000
<-4.887762,41.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.887762,41.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,41.049629,-0.000000>,0.400000
<-4.664524,41.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.664524,41.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,41.049629,-0.000000>,0.400000
<-4.363757,41.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.363757,41.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.363757,41.989323,-0.000000>,0.400000
<-4.363757,42.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.363757,42.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.363757,41.989323,-0.000000>,0.400000
<-4.705777,42.929016,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.705777,42.929016,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.705777,42.929016,-0.000000>,0.400000
<-5.348564,43.695061,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.348564,43.695061,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.705777,42.929016,-0.000000>,0.400000
<-5.047797,43.868710,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.047797,43.868710,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,41.049629,-0.000000>,0.400000
<-4.664524,41.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.664524,41.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.664524,41.815674,-0.000000>,0.400000
<-5.006544,42.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.006544,42.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.664524,41.815674,-0.000000>,0.400000
<-5.307312,42.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.307312,42.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,42.581718,-0.000000>,0.400000
<-6.173337,43.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.173337,43.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,42.581718,-0.000000>,0.400000
<-5.950099,43.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.950099,43.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,42.581718,-0.000000>,0.400000
<-6.173337,43.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.173337,43.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.173337,43.081718,-0.000000>,0.400000
<-6.816124,43.847763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.816124,43.847763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.173337,43.081718,-0.000000>,0.400000
<-7.039362,43.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.039362,43.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.039362,43.581718,-0.000000>,0.400000
<-8.024170,43.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.024170,43.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.039362,43.581718,-0.000000>,0.400000
<-7.905388,44.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.905388,44.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,42.581718,-0.000000>,0.400000
<-5.950099,43.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.950099,43.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.950099,43.347763,-0.000000>,0.400000
<-6.292120,44.287457,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.292120,44.287457,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.950099,43.347763,-0.000000>,0.400000
<-6.592887,44.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.592887,44.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.592887,44.113808,-0.000000>,0.400000
<-7.458912,44.613808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.458912,44.613808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.592887,44.113808,-0.000000>,0.400000
<-7.235674,44.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.235674,44.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,39.517540,-0.000000>,0.400000
<-3.078181,40.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,40.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,40.457233,-0.000000>,0.400000
<-3.078181,41.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,41.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,40.457233,-0.000000>,0.400000
<-3.420202,41.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,41.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-4.062989,42.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.062989,42.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-3.420202,42.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,42.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,42.396927,-0.000000>,0.400000
<-3.078181,43.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,43.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,42.396927,-0.000000>,0.400000
<-3.420202,43.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,43.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,43.396927,-0.000000>,0.400000
<-3.762222,44.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,44.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,43.396927,-0.000000>,0.400000
<-3.420202,44.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,44.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.762222,42.336620,-0.000000>,0.400000
<-3.762222,43.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,43.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.762222,42.336620,-0.000000>,0.400000
<-4.104242,43.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,43.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,43.276310,-0.000000>,0.400000
<-4.747029,44.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.747029,44.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,43.276310,-0.000000>,0.400000
<-4.446262,44.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,44.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,43.276310,-0.000000>,0.400000
<-4.747029,44.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.747029,44.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.747029,44.042355,-0.000000>,0.400000
<-5.089049,44.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.089049,44.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.747029,44.042355,-0.000000>,0.400000
<-5.389817,44.808399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.389817,44.808399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.389817,44.808399,-0.000000>,0.400000
<-6.255842,45.308399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.255842,45.308399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.389817,44.808399,-0.000000>,0.400000
<-6.032605,45.574444,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.032605,45.574444,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,43.276310,-0.000000>,0.400000
<-4.446262,44.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,44.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,44.216003,-0.000000>,0.400000
<-4.446262,45.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,45.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,44.216003,-0.000000>,0.400000
<-4.788282,45.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,45.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,45.155697,-0.000000>,0.400000
<-5.431070,45.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.431070,45.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,45.155697,-0.000000>,0.400000
<-5.130302,46.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,46.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.400000
<0.000000,33.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,33.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,33.000000,-0.000000>,0.400000
<0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,33.000000,-0.000000>,0.400000
<0.000000,34.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,34.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.400000
<-0.342020,34.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,34.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.400000
<0.000000,35.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,35.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.400000
<0.342020,34.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,34.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,34.939693,-0.000000>,0.400000
<0.984808,35.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,35.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,34.939693,-0.000000>,0.400000
<0.684040,35.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,35.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,35.879387,-0.000000>,0.400000
<0.684040,36.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,36.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,35.879387,-0.000000>,0.400000
<1.026060,36.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,36.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.400000
<0.000000,35.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,35.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,35.000000,-0.000000>,0.400000
<0.342020,35.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,35.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,35.000000,-0.000000>,0.400000
<0.000000,36.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,36.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<-0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<-0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,36.939693,-0.000000>,0.400000
<-0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,36.939693,-0.000000>,0.400000
<-0.684040,37.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,37.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,37.879387,-0.000000>,0.400000
<-1.326828,38.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,38.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,37.879387,-0.000000>,0.400000
<-1.026060,38.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,38.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,37.000000,-0.000000>,0.400000
<0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,37.000000,-0.000000>,0.400000
<0.000000,38.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,38.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.400000
<-0.342020,38.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,38.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.400000
<0.000000,39.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,39.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,36.939693,-0.000000>,0.400000
<0.984808,37.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,37.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,36.939693,-0.000000>,0.400000
<0.684040,37.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,37.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,37.879387,-0.000000>,0.400000
<0.684040,38.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,38.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,37.879387,-0.000000>,0.400000
<1.026060,38.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,38.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,37.879387,-0.000000>,0.400000
<1.326828,38.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.326828,38.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,38.645432,-0.000000>,0.400000
<2.192853,39.145432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.192853,39.145432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,38.645432,-0.000000>,0.400000
<1.969615,39.411472,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.969615,39.411472,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,39.411472,-0.000000>,0.400000
<2.311636,40.351166,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.311636,40.351166,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,39.411472,-0.000000>,0.400000
<2.612403,40.177517,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.612403,40.177517,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,37.879387,-0.000000>,0.400000
<1.026060,38.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,38.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,38.819077,-0.000000>,0.400000
<1.668848,39.585121,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.668848,39.585121,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,38.819077,-0.000000>,0.400000
<1.368081,39.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,39.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,39.758770,-0.000000>,0.400000
<1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,39.758770,-0.000000>,0.400000
<1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,39.758770,-0.000000>,0.400000
<1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,40.758770,-0.000000>,0.400000
<1.710101,41.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,41.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,40.758770,-0.000000>,0.400000
<1.368081,41.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,41.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,41.758770,-0.000000>,0.400000
<1.026060,42.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,42.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,41.758770,-0.000000>,0.400000
<1.368081,42.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,42.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,39.758770,-0.000000>,0.400000
<1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,40.698463,-0.000000>,0.400000
<2.352888,41.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,41.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,40.698463,-0.000000>,0.400000
<2.052121,41.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,41.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,41.638157,-0.000000>,0.400000
<2.052121,42.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,42.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,41.638157,-0.000000>,0.400000
<2.394141,42.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,42.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,37.000000,-0.000000>,0.400000
<0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,37.000000,-0.000000>,0.400000
<0.000000,38.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,38.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.400000
<-0.342020,38.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,38.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.400000
<0.000000,39.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,39.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.400000
<0.342020,38.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,38.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,38.939693,-0.000000>,0.400000
<0.984808,39.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,39.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,38.939693,-0.000000>,0.400000
<0.684040,39.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,39.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,39.879387,-0.000000>,0.400000
<0.684040,40.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,40.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,39.879387,-0.000000>,0.400000
<1.026060,40.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,40.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.400000
<0.000000,39.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,39.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,39.000000,-0.000000>,0.400000
<0.342020,39.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,39.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,39.000000,-0.000000>,0.400000
<0.000000,40.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,40.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.400000
<-0.342020,40.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,40.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.400000
<0.000000,41.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,41.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.400000
<-0.342020,40.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,40.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,40.939693,-0.000000>,0.400000
<-0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,40.939693,-0.000000>,0.400000
<-0.684040,41.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,41.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,41.879387,-0.000000>,0.400000
<-1.326828,42.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,42.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,41.879387,-0.000000>,0.400000
<-1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.400000
<0.000000,41.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,41.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.000000,-0.000000>,0.400000
<0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.000000,-0.000000>,0.400000
<0.000000,42.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,42.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<-0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.400000
<-0.342020,40.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,40.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,40.939693,-0.000000>,0.400000
<-0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,40.939693,-0.000000>,0.400000
<-0.684040,41.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,41.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,41.879387,-0.000000>,0.400000
<-1.326828,42.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,42.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,41.879387,-0.000000>,0.400000
<-1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,41.879387,-0.000000>,0.400000
<-0.684040,42.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,42.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,42.879387,-0.000000>,0.400000
<-0.342020,43.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,43.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,42.879387,-0.000000>,0.400000
<-0.684040,43.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,43.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,43.879387,-0.000000>,0.400000
<-1.026060,44.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,44.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,43.879387,-0.000000>,0.400000
<-0.684040,44.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,44.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,41.879387,-0.000000>,0.400000
<-1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,42.819077,-0.000000>,0.400000
<-1.026060,43.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,43.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,42.819077,-0.000000>,0.400000
<-1.368081,43.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,43.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,43.758770,-0.000000>,0.400000
<-2.010868,44.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,44.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,43.758770,-0.000000>,0.400000
<-1.710101,44.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,44.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,43.758770,-0.000000>,0.400000
<-2.010868,44.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,44.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,44.524815,-0.000000>,0.400000
<-2.352888,45.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.352888,45.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,44.524815,-0.000000>,0.400000
<-2.653656,45.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.653656,45.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,45.290859,-0.000000>,0.400000
<-3.519681,45.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.519681,45.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,45.290859,-0.000000>,0.400000
<-3.296443,46.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.296443,46.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,43.758770,-0.000000>,0.400000
<-1.710101,44.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,44.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,44.698463,-0.000000>,0.400000
<-1.710101,45.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,45.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,44.698463,-0.000000>,0.400000
<-2.052121,45.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,45.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,45.638157,-0.000000>,0.400000
<-2.694908,46.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,46.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,45.638157,-0.000000>,0.400000
<-2.394141,46.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,46.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.400000
<0.000000,41.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,41.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.000000,-0.000000>,0.400000
<0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.000000,-0.000000>,0.400000
<0.000000,42.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,42.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<-0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,42.939693,-0.000000>,0.400000
<0.984808,43.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,43.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,42.939693,-0.000000>,0.400000
<0.684040,43.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,43.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,43.879387,-0.000000>,0.400000
<0.684040,44.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,44.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,43.879387,-0.000000>,0.400000
<1.026060,44.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,44.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,43.000000,-0.000000>,0.400000
<0.342020,43.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,43.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,43.000000,-0.000000>,0.400000
<0.000000,44.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,44.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.400000
<-0.342020,44.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,44.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.400000
<0.000000,45.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,45.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.400000
<-0.342020,44.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,44.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,44.939693,-0.000000>,0.400000
<-0.342020,45.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,45.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,44.939693,-0.000000>,0.400000
<-0.684040,45.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,45.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,45.879387,-0.000000>,0.400000
<-1.326828,46.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,46.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,45.879387,-0.000000>,0.400000
<-1.026060,46.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,46.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.400000
<0.000000,45.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,45.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,45.000000,-0.000000>,0.400000
<0.342020,45.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,45.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,45.000000,-0.000000>,0.400000
<0.000000,46.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,46.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.000000,-0.000000>,0.400000
<-0.342020,46.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,46.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.000000,-0.000000>,0.400000
<0.000000,47.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,47.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.400000
<-0.342020,32.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,32.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,32.939693,-0.000000>,0.400000
<-0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,32.939693,-0.000000>,0.400000
<-0.684040,33.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,33.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,33.879387,-0.000000>,0.400000
<-1.326828,34.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,34.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,33.879387,-0.000000>,0.400000
<-1.026060,34.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,34.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,33.879387,-0.000000>,0.400000
<-0.684040,34.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,34.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,34.879387,-0.000000>,0.400000
<-0.342020,35.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,35.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,34.879387,-0.000000>,0.400000
<-0.684040,35.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,35.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,35.879387,-0.000000>,0.400000
<-1.026060,36.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,36.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,35.879387,-0.000000>,0.400000
<-0.684040,36.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,36.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,33.879387,-0.000000>,0.400000
<-1.026060,34.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,34.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,34.819077,-0.000000>,0.400000
<-1.026060,35.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,35.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,34.819077,-0.000000>,0.400000
<-1.368081,35.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,35.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-2.010868,36.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,36.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-2.010868,36.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,36.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,36.524815,-0.000000>,0.400000
<-2.352888,37.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.352888,37.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,36.524815,-0.000000>,0.400000
<-2.653656,37.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.653656,37.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,37.290859,-0.000000>,0.400000
<-3.519681,37.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.519681,37.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,37.290859,-0.000000>,0.400000
<-3.296443,38.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.296443,38.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,36.698463,-0.000000>,0.400000
<-1.710101,37.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,37.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,36.698463,-0.000000>,0.400000
<-2.052121,37.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,37.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,37.638157,-0.000000>,0.400000
<-2.694908,38.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,38.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,37.638157,-0.000000>,0.400000
<-2.394141,38.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,38.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-1.368081,36.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,36.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,36.758770,-0.000000>,0.400000
<-1.026060,37.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,37.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,36.758770,-0.000000>,0.400000
<-1.368081,37.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,37.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,37.758770,-0.000000>,0.400000
<-1.710101,38.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,38.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,37.758770,-0.000000>,0.400000
<-1.368081,38.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,38.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,37.758770,-0.000000>,0.400000
<-1.026060,38.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,38.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,38.698463,-0.000000>,0.400000
<-0.383273,39.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.383273,39.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,38.698463,-0.000000>,0.400000
<-0.684040,39.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,39.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,39.638157,-0.000000>,0.400000
<-0.684040,40.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,40.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,39.638157,-0.000000>,0.400000
<-0.342020,40.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,40.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,37.758770,-0.000000>,0.400000
<-1.368081,38.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,38.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,38.758770,-0.000000>,0.400000
<-1.026060,39.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,39.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,38.758770,-0.000000>,0.400000
<-1.368081,39.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,39.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,39.758770,-0.000000>,0.400000
<-1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,39.758770,-0.000000>,0.400000
<-1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,39.758770,-0.000000>,0.400000
<-1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,40.698463,-0.000000>,0.400000
<-1.710101,41.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,41.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,40.698463,-0.000000>,0.400000
<-2.052121,41.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,41.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,41.638157,-0.000000>,0.400000
<-2.694908,42.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,42.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,41.638157,-0.000000>,0.400000
<-2.394141,42.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,42.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,39.758770,-0.000000>,0.400000
<-1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,40.758770,-0.000000>,0.400000
<-1.026060,41.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,41.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,40.758770,-0.000000>,0.400000
<-1.368081,41.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,41.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,41.758770,-0.000000>,0.400000
<-1.710101,42.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,42.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,41.758770,-0.000000>,0.400000
<-1.368081,42.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,42.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,35.758770,-0.000000>,0.400000
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,36.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,36.698463,-0.000000>,0.400000
<-1.710101,37.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,37.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,36.698463,-0.000000>,0.400000
<-2.052121,37.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,37.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,37.638157,-0.000000>,0.400000
<-2.694908,38.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,38.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,37.638157,-0.000000>,0.400000
<-2.394141,38.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,38.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,37.638157,-0.000000>,0.400000
<-2.052121,38.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,38.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,38.638157,-0.000000>,0.400000
<-1.710101,39.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,39.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,38.638157,-0.000000>,0.400000
<-2.052121,39.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,39.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,39.638157,-0.000000>,0.400000
<-2.394141,40.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,40.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,39.638157,-0.000000>,0.400000
<-2.052121,40.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,40.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,37.638157,-0.000000>,0.400000
<-2.394141,38.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,38.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,38.577847,-0.000000>,0.400000
<-2.394141,39.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,39.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,38.577847,-0.000000>,0.400000
<-2.736161,39.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,39.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,39.517540,-0.000000>,0.400000
<-3.378949,40.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.378949,40.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,39.517540,-0.000000>,0.400000
<-3.078181,40.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,40.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,39.517540,-0.000000>,0.400000
<-3.378949,40.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.378949,40.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,40.283585,-0.000000>,0.400000
<-3.720969,41.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.720969,41.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,40.283585,-0.000000>,0.400000
<-4.021736,41.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.021736,41.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,41.049629,-0.000000>,0.400000
<-4.887762,41.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.887762,41.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,41.049629,-0.000000>,0.400000
<-4.664524,41.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.664524,41.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,39.517540,-0.000000>,0.400000
<-3.078181,40.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,40.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,40.457233,-0.000000>,0.400000
<-3.078181,41.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,41.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,40.457233,-0.000000>,0.400000
<-3.420202,41.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,41.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-4.062989,42.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.062989,42.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,39.517540,-0.000000>,0.400000
<-3.378949,40.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.378949,40.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,40.283585,-0.000000>,0.400000
<-3.720969,41.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.720969,41.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,40.283585,-0.000000>,0.400000
<-4.021736,41.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.021736,41.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,41.049629,-0.000000>,0.400000
<-4.887762,41.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.887762,41.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,41.049629,-0.000000>,0.400000
<-4.664524,41.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.664524,41.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,41.049629,-0.000000>,0.400000
<-4.363757,41.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.363757,41.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.363757,41.989323,-0.000000>,0.400000
<-4.363757,42.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.363757,42.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.363757,41.989323,-0.000000>,0.400000
<-4.705777,42.929016,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.705777,42.929016,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.705777,42.929016,-0.000000>,0.400000
<-5.348564,43.695061,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.348564,43.695061,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.705777,42.929016,-0.000000>,0.400000
<-5.047797,43.868710,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.047797,43.868710,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,41.049629,-0.000000>,0.400000
<-4.664524,41.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.664524,41.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.664524,41.815674,-0.000000>,0.400000
<-5.006544,42.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.006544,42.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.664524,41.815674,-0.000000>,0.400000
<-5.307312,42.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.307312,42.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,42.581718,-0.000000>,0.400000
<-6.173337,43.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.173337,43.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,42.581718,-0.000000>,0.400000
<-5.950099,43.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.950099,43.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,42.581718,-0.000000>,0.400000
<-6.173337,43.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.173337,43.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.173337,43.081718,-0.000000>,0.400000
<-6.816124,43.847763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.816124,43.847763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.173337,43.081718,-0.000000>,0.400000
<-7.039362,43.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.039362,43.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.039362,43.581718,-0.000000>,0.400000
<-8.024170,43.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.024170,43.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.039362,43.581718,-0.000000>,0.400000
<-7.905388,44.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.905388,44.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,42.581718,-0.000000>,0.400000
<-5.950099,43.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.950099,43.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.950099,43.347763,-0.000000>,0.400000
<-6.292120,44.287457,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.292120,44.287457,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.950099,43.347763,-0.000000>,0.400000
<-6.592887,44.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.592887,44.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.592887,44.113808,-0.000000>,0.400000
<-7.458912,44.613808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.458912,44.613808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.592887,44.113808,-0.000000>,0.400000
<-7.235674,44.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.235674,44.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,39.517540,-0.000000>,0.400000
<-3.078181,40.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,40.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,40.457233,-0.000000>,0.400000
<-3.078181,41.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,41.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,40.457233,-0.000000>,0.400000
<-3.420202,41.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,41.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-4.062989,42.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.062989,42.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-3.420202,42.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,42.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,42.396927,-0.000000>,0.400000
<-3.078181,43.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,43.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,42.396927,-0.000000>,0.400000
<-3.420202,43.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,43.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,43.396927,-0.000000>,0.400000
<-3.762222,44.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,44.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,43.396927,-0.000000>,0.400000
<-3.420202,44.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,44.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.762222,42.336620,-0.000000>,0.400000
<-3.762222,43.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,43.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.762222,42.336620,-0.000000>,0.400000
<-4.104242,43.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,43.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,43.276310,-0.000000>,0.400000
<-4.747029,44.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.747029,44.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,43.276310,-0.000000>,0.400000
<-4.446262,44.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,44.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,43.276310,-0.000000>,0.400000
<-4.747029,44.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.747029,44.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.747029,44.042355,-0.000000>,0.400000
<-5.089049,44.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.089049,44.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.747029,44.042355,-0.000000>,0.400000
<-5.389817,44.808399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.389817,44.808399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.389817,44.808399,-0.000000>,0.400000
<-6.255842,45.308399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.255842,45.308399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.389817,44.808399,-0.000000>,0.400000
<-6.032605,45.574444,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.032605,45.574444,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,43.276310,-0.000000>,0.400000
<-4.446262,44.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,44.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,44.216003,-0.000000>,0.400000
<-4.446262,45.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,45.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,44.216003,-0.000000>,0.400000
<-4.788282,45.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,45.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,45.155697,-0.000000>,0.400000
<-5.431070,45.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.431070,45.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,45.155697,-0.000000>,0.400000
<-5.130302,46.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,46.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,39.517540,-0.000000>,0.400000
<-2.736161,40.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,40.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,40.517540,-0.000000>,0.400000
<-2.394141,41.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,41.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,40.517540,-0.000000>,0.400000
<-2.736161,41.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,41.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,41.517540,-0.000000>,0.400000
<-3.078181,42.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,42.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,41.517540,-0.000000>,0.400000
<-2.736161,42.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,42.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,41.517540,-0.000000>,0.400000
<-2.394141,42.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,42.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,42.457233,-0.000000>,0.400000
<-1.751353,43.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.751353,43.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,42.457233,-0.000000>,0.400000
<-2.052121,43.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,43.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,43.396927,-0.000000>,0.400000
<-2.052121,44.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,44.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,43.396927,-0.000000>,0.400000
<-1.710101,44.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,44.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,41.517540,-0.000000>,0.400000
<-2.736161,42.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,42.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,42.517540,-0.000000>,0.400000
<-2.394141,43.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,43.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,42.517540,-0.000000>,0.400000
<-2.736161,43.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,43.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,43.517540,-0.000000>,0.400000
<-3.078181,44.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,44.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,43.517540,-0.000000>,0.400000
<-2.736161,44.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,44.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,43.517540,-0.000000>,0.400000
<-3.078181,44.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,44.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,44.457233,-0.000000>,0.400000
<-3.078181,45.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,45.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,44.457233,-0.000000>,0.400000
<-3.420202,45.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,45.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,45.396927,-0.000000>,0.400000
<-4.062989,46.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.062989,46.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,45.396927,-0.000000>,0.400000
<-3.762222,46.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,46.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,43.517540,-0.000000>,0.400000
<-2.736161,44.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,44.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,44.517540,-0.000000>,0.400000
<-2.394141,45.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,45.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,44.517540,-0.000000>,0.400000
<-2.736161,45.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,45.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,45.517540,-0.000000>,0.400000
<-3.078181,46.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,46.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,45.517540,-0.000000>,0.400000
<-2.736161,46.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,46.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,43.517540,-0.000000>,0.400000
<-2.394141,44.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,44.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,44.457233,-0.000000>,0.400000
<-1.751353,45.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.751353,45.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,44.457233,-0.000000>,0.400000
<-2.052121,45.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,45.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,45.396927,-0.000000>,0.400000
<-2.052121,46.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,46.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,45.396927,-0.000000>,0.400000
<-1.710101,46.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,46.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,45.396927,-0.000000>,0.400000
<-1.409333,46.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.409333,46.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.409333,46.162971,-0.000000>,0.400000
<-0.543308,46.662971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.543308,46.662971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.409333,46.162971,-0.000000>,0.400000
<-0.766546,46.929016,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.766546,46.929016,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.766546,46.929016,-0.000000>,0.400000
<-0.424525,47.868710,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.424525,47.868710,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.766546,46.929016,-0.000000>,0.400000
<-0.123758,47.695061,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.123758,47.695061,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,45.396927,-0.000000>,0.400000
<-1.710101,46.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,46.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,46.336620,-0.000000>,0.400000
<-1.067313,47.102665,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.067313,47.102665,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,46.336620,-0.000000>,0.400000
<-1.368081,47.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,47.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,47.276310,-0.000000>,0.400000
<-1.368081,48.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,48.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,47.276310,-0.000000>,0.400000
<-1.026060,48.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,48.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,47.276310,-0.000000>,0.400000
<-1.368081,48.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,48.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,48.276310,-0.000000>,0.400000
<-1.026060,49.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,49.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,48.276310,-0.000000>,0.400000
<-1.368081,49.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,49.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,49.276310,-0.000000>,0.400000
<-1.710101,50.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,50.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,49.276310,-0.000000>,0.400000
<-1.368081,50.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,50.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,47.276310,-0.000000>,0.400000
<-1.026060,48.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,48.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,48.216003,-0.000000>,0.400000
<-0.383273,48.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.383273,48.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,48.216003,-0.000000>,0.400000
<-0.684040,49.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,49.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,49.155697,-0.000000>,0.400000
<-0.684040,50.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,50.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,49.155697,-0.000000>,0.400000
<-0.342020,50.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,50.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,43.517540,-0.000000>,0.400000
<-2.736161,44.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,44.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,44.517540,-0.000000>,0.400000
<-2.394141,45.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,45.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,44.517540,-0.000000>,0.400000
<-2.736161,45.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,45.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,45.517540,-0.000000>,0.400000
<-3.078181,46.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,46.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,45.517540,-0.000000>,0.400000
<-2.736161,46.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,46.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,45.517540,-0.000000>,0.400000
<-2.394141,46.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,46.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,46.457233,-0.000000>,0.400000
<-1.751353,47.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.751353,47.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,46.457233,-0.000000>,0.400000
<-2.052121,47.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,47.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,47.396927,-0.000000>,0.400000
<-2.052121,48.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,48.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,47.396927,-0.000000>,0.400000
<-1.710101,48.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,48.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,45.517540,-0.000000>,0.400000
<-2.736161,46.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,46.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,46.517540,-0.000000>,0.400000
<-2.394141,47.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,47.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,46.517540,-0.000000>,0.400000
<-2.736161,47.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,47.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,47.517540,-0.000000>,0.400000
<-3.078181,48.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,48.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,47.517540,-0.000000>,0.400000
<-2.736161,48.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,48.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,47.517540,-0.000000>,0.400000
<-3.078181,48.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,48.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,48.457233,-0.000000>,0.400000
<-3.078181,49.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,49.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,48.457233,-0.000000>,0.400000
<-3.420202,49.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,49.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,49.396927,-0.000000>,0.400000
<-4.062989,50.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.062989,50.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,49.396927,-0.000000>,0.400000
<-3.762222,50.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,50.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,47.517540,-0.000000>,0.400000
<-2.736161,48.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,48.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,48.517540,-0.000000>,0.400000
<-2.394141,49.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,49.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,48.517540,-0.000000>,0.400000
<-2.736161,49.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,49.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,49.517540,-0.000000>,0.400000
<-3.078181,50.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,50.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,49.517540,-0.000000>,0.400000
<-2.736161,50.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,50.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,47.517540,-0.000000>,0.400000
<-3.078181,48.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,48.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,48.457233,-0.000000>,0.400000
<-3.078181,49.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,49.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,48.457233,-0.000000>,0.400000
<-3.420202,49.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,49.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,49.396927,-0.000000>,0.400000
<-4.062989,50.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.062989,50.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,49.396927,-0.000000>,0.400000
<-3.762222,50.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,50.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,49.396927,-0.000000>,0.400000
<-3.420202,50.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,50.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,50.396927,-0.000000>,0.400000
<-3.078181,51.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,51.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,50.396927,-0.000000>,0.400000
<-3.420202,51.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,51.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,51.396927,-0.000000>,0.400000
<-3.762222,52.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,52.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,51.396927,-0.000000>,0.400000
<-3.420202,52.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,52.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,49.396927,-0.000000>,0.400000
<-3.762222,50.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,50.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.762222,50.336620,-0.000000>,0.400000
<-3.762222,51.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,51.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.762222,50.336620,-0.000000>,0.400000
<-4.104242,51.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,51.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,51.276310,-0.000000>,0.400000
<-4.747029,52.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.747029,52.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,51.276310,-0.000000>,0.400000
<-4.446262,52.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,52.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,51.276310,-0.000000>,0.400000
<-4.747029,52.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.747029,52.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.747029,52.042355,-0.000000>,0.400000
<-5.089049,52.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.089049,52.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.747029,52.042355,-0.000000>,0.400000
<-5.389817,52.808399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.389817,52.808399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.389817,52.808399,-0.000000>,0.400000
<-6.255842,53.308399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.255842,53.308399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.389817,52.808399,-0.000000>,0.400000
<-6.032605,53.574444,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.032605,53.574444,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,51.276310,-0.000000>,0.400000
<-4.446262,52.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,52.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,52.216003,-0.000000>,0.400000
<-4.446262,53.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,53.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,52.216003,-0.000000>,0.400000
<-4.788282,53.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,53.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,53.155697,-0.000000>,0.400000
<-5.431070,53.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.431070,53.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,53.155697,-0.000000>,0.400000
<-5.130302,54.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,54.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,47.517540,-0.000000>,0.400000
<-2.736161,48.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,48.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,48.517540,-0.000000>,0.400000
<-2.394141,49.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,49.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,48.517540,-0.000000>,0.400000
<-2.736161,49.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,49.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,49.517540,-0.000000>,0.400000
<-3.078181,50.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,50.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,49.517540,-0.000000>,0.400000
<-2.736161,50.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,50.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,49.517540,-0.000000>,0.400000
<-2.394141,50.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,50.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,50.457233,-0.000000>,0.400000
<-1.751353,51.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.751353,51.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,50.457233,-0.000000>,0.400000
<-2.052121,51.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,51.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,51.396927,-0.000000>,0.400000
<-2.052121,52.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,52.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,51.396927,-0.000000>,0.400000
<-1.710101,52.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,52.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,49.517540,-0.000000>,0.400000
<-2.736161,50.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,50.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,50.517540,-0.000000>,0.400000
<-2.394141,51.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,51.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,50.517540,-0.000000>,0.400000
<-2.736161,51.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,51.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,51.517540,-0.000000>,0.400000
<-3.078181,52.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,52.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,51.517540,-0.000000>,0.400000
<-2.736161,52.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,52.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,51.517540,-0.000000>,0.400000
<-3.078181,52.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,52.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,52.457233,-0.000000>,0.400000
<-3.078181,53.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,53.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,52.457233,-0.000000>,0.400000
<-3.420202,53.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,53.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,53.396927,-0.000000>,0.400000
<-4.062989,54.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.062989,54.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,53.396927,-0.000000>,0.400000
<-3.762222,54.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,54.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,51.517540,-0.000000>,0.400000
<-2.736161,52.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,52.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,52.517540,-0.000000>,0.400000
<-2.394141,53.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,53.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,52.517540,-0.000000>,0.400000
<-2.736161,53.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,53.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,53.517540,-0.000000>,0.400000
<-3.078181,54.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,54.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,53.517540,-0.000000>,0.400000
<-2.736161,54.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,54.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,39.517540,-0.000000>,0.400000
<-3.078181,40.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,40.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,40.457233,-0.000000>,0.400000
<-3.078181,41.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,41.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,40.457233,-0.000000>,0.400000
<-3.420202,41.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,41.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-4.062989,42.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.062989,42.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-3.420202,42.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,42.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,42.396927,-0.000000>,0.400000
<-3.078181,43.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,43.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,42.396927,-0.000000>,0.400000
<-3.420202,43.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,43.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,43.396927,-0.000000>,0.400000
<-3.762222,44.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,44.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,43.396927,-0.000000>,0.400000
<-3.420202,44.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,44.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,41.396927,-0.000000>,0.400000
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,42.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.762222,42.336620,-0.000000>,0.400000
<-3.762222,43.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,43.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.762222,42.336620,-0.000000>,0.400000
<-4.104242,43.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,43.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,43.276310,-0.000000>,0.400000
<-4.747029,44.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.747029,44.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,43.276310,-0.000000>,0.400000
<-4.446262,44.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,44.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,43.276310,-0.000000>,0.400000
<-4.747029,44.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.747029,44.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.747029,44.042355,-0.000000>,0.400000
<-5.089049,44.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.089049,44.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.747029,44.042355,-0.000000>,0.400000
<-5.389817,44.808399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.389817,44.808399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.389817,44.808399,-0.000000>,0.400000
<-6.255842,45.308399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.255842,45.308399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.389817,44.808399,-0.000000>,0.400000
<-6.032605,45.574444,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.032605,45.574444,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,43.276310,-0.000000>,0.400000
<-4.446262,44.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,44.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,44.216003,-0.000000>,0.400000
<-4.446262,45.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,45.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,44.216003,-0.000000>,0.400000
<-4.788282,45.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,45.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,45.155697,-0.000000>,0.400000
<-5.431070,45.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.431070,45.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,45.155697,-0.000000>,0.400000
<-5.130302,46.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,46.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,43.276310,-0.000000>,0.400000
<-4.104242,44.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,44.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,44.276310,-0.000000>,0.400000
<-3.762222,45.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,45.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,44.276310,-0.000000>,0.400000
<-4.104242,45.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,45.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,45.276310,-0.000000>,0.400000
<-4.446262,46.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,46.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,45.276310,-0.000000>,0.400000
<-4.104242,46.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,46.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,45.276310,-0.000000>,0.400000
<-3.762222,46.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,46.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.762222,46.216003,-0.000000>,0.400000
<-3.119434,46.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.119434,46.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.762222,46.216003,-0.000000>,0.400000
<-3.420202,47.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,47.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,47.155697,-0.000000>,0.400000
<-3.420202,48.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,48.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,47.155697,-0.000000>,0.400000
<-3.078181,48.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,48.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,45.276310,-0.000000>,0.400000
<-4.104242,46.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,46.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,46.276310,-0.000000>,0.400000
<-3.762222,47.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,47.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,46.276310,-0.000000>,0.400000
<-4.104242,47.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,47.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,47.276310,-0.000000>,0.400000
<-4.446262,48.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,48.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,47.276310,-0.000000>,0.400000
<-4.104242,48.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,48.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,47.276310,-0.000000>,0.400000
<-4.446262,48.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,48.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,48.216003,-0.000000>,0.400000
<-4.446262,49.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,49.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,48.216003,-0.000000>,0.400000
<-4.788282,49.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,49.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,49.155697,-0.000000>,0.400000
<-5.431070,49.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.431070,49.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,49.155697,-0.000000>,0.400000
<-5.130302,50.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,50.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,47.276310,-0.000000>,0.400000
<-4.104242,48.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,48.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,48.276310,-0.000000>,0.400000
<-3.762222,49.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,49.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,48.276310,-0.000000>,0.400000
<-4.104242,49.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,49.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,49.276310,-0.000000>,0.400000
<-4.446262,50.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,50.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,49.276310,-0.000000>,0.400000
<-4.104242,50.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,50.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,43.276310,-0.000000>,0.400000
<-4.446262,44.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,44.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,44.216003,-0.000000>,0.400000
<-4.446262,45.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,45.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,44.216003,-0.000000>,0.400000
<-4.788282,45.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,45.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,45.155697,-0.000000>,0.400000
<-5.431070,45.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.431070,45.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,45.155697,-0.000000>,0.400000
<-5.130302,46.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,46.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,45.155697,-0.000000>,0.400000
<-4.788282,46.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,46.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,46.155697,-0.000000>,0.400000
<-4.446262,47.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,47.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,46.155697,-0.000000>,0.400000
<-4.788282,47.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,47.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,47.155697,-0.000000>,0.400000
<-5.130302,48.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,48.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,47.155697,-0.000000>,0.400000
<-4.788282,48.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,48.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,45.155697,-0.000000>,0.400000
<-5.130302,46.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,46.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.130302,46.095390,-0.000000>,0.400000
<-5.130302,47.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,47.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.130302,46.095390,-0.000000>,0.400000
<-5.472322,47.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.472322,47.035084,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,47.035084,-0.000000>,0.400000
<-6.115110,47.801125,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.115110,47.801125,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,47.035084,-0.000000>,0.400000
<-5.814342,47.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.814342,47.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,47.035084,-0.000000>,0.400000
<-6.115110,47.801125,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.115110,47.801125,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.115110,47.801125,-0.000000>,0.400000
<-6.457130,48.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.457130,48.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.115110,47.801125,-0.000000>,0.400000
<-6.757897,48.567169,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.757897,48.567169,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.757897,48.567169,-0.000000>,0.400000
<-7.623923,49.067169,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.623923,49.067169,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.757897,48.567169,-0.000000>,0.400000
<-7.400685,49.333214,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.400685,49.333214,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,47.035084,-0.000000>,0.400000
<-5.814342,47.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.814342,47.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.814342,47.974773,-0.000000>,0.400000
<-5.814342,48.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.814342,48.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.814342,47.974773,-0.000000>,0.400000
<-6.156363,48.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,48.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,48.914467,-0.000000>,0.400000
<-6.799150,49.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.799150,49.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,48.914467,-0.000000>,0.400000
<-6.498383,49.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,49.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,47.035084,-0.000000>,0.400000
<-6.115110,47.801125,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.115110,47.801125,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.115110,47.801125,-0.000000>,0.400000
<-6.457130,48.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.457130,48.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.115110,47.801125,-0.000000>,0.400000
<-6.757897,48.567169,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.757897,48.567169,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.757897,48.567169,-0.000000>,0.400000
<-7.623923,49.067169,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.623923,49.067169,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.757897,48.567169,-0.000000>,0.400000
<-7.400685,49.333214,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.400685,49.333214,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.757897,48.567169,-0.000000>,0.400000
<-7.099918,49.506863,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.099918,49.506863,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.099918,49.506863,-0.000000>,0.400000
<-7.099918,50.506863,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.099918,50.506863,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.099918,49.506863,-0.000000>,0.400000
<-7.441938,50.446556,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.441938,50.446556,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.441938,50.446556,-0.000000>,0.400000
<-8.084725,51.212601,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.084725,51.212601,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.441938,50.446556,-0.000000>,0.400000
<-7.783958,51.386250,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.783958,51.386250,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.757897,48.567169,-0.000000>,0.400000
<-7.400685,49.333214,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.400685,49.333214,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.400685,49.333214,-0.000000>,0.400000
<-7.742705,50.272907,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.742705,50.272907,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.400685,49.333214,-0.000000>,0.400000
<-8.043472,50.099258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.043472,50.099258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.043472,50.099258,-0.000000>,0.400000
<-8.909498,50.599258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.909498,50.599258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.043472,50.099258,-0.000000>,0.400000
<-8.686260,50.865303,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.686260,50.865303,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.043472,50.099258,-0.000000>,0.400000
<-8.909498,50.599258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.909498,50.599258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.909498,50.599258,-0.000000>,0.400000
<-9.552286,51.365303,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.552286,51.365303,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.909498,50.599258,-0.000000>,0.400000
<-9.775523,51.099258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.775523,51.099258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.775523,51.099258,-0.000000>,0.400000
<-10.760331,51.272907,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.760331,51.272907,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.775523,51.099258,-0.000000>,0.400000
<-10.641549,51.599258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.641549,51.599258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.043472,50.099258,-0.000000>,0.400000
<-8.686260,50.865303,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.686260,50.865303,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.686260,50.865303,-0.000000>,0.400000
<-9.028280,51.804996,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.028280,51.804996,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.686260,50.865303,-0.000000>,0.400000
<-9.329048,51.631348,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.329048,51.631348,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.329048,51.631348,-0.000000>,0.400000
<-10.195073,52.131348,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.195073,52.131348,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.329048,51.631348,-0.000000>,0.400000
<-9.971835,52.397392,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.971835,52.397392,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,47.035084,-0.000000>,0.400000
<-5.814342,47.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.814342,47.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.814342,47.974773,-0.000000>,0.400000
<-5.814342,48.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.814342,48.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.814342,47.974773,-0.000000>,0.400000
<-6.156363,48.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,48.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,48.914467,-0.000000>,0.400000
<-6.799150,49.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.799150,49.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,48.914467,-0.000000>,0.400000
<-6.498383,49.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,49.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,48.914467,-0.000000>,0.400000
<-6.156363,49.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,49.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,49.914467,-0.000000>,0.400000
<-5.814342,50.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.814342,50.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,49.914467,-0.000000>,0.400000
<-6.156363,50.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,50.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,50.914467,-0.000000>,0.400000
<-6.498383,51.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,51.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,50.914467,-0.000000>,0.400000
<-6.156363,51.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,51.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,48.914467,-0.000000>,0.400000
<-6.498383,49.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,49.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.498383,49.854160,-0.000000>,0.400000
<-6.498383,50.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,50.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.498383,49.854160,-0.000000>,0.400000
<-6.840403,50.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,50.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,50.793854,-0.000000>,0.400000
<-7.483191,51.559898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.483191,51.559898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,50.793854,-0.000000>,0.400000
<-7.182423,51.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,51.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,50.793854,-0.000000>,0.400000
<-7.483191,51.559898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.483191,51.559898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.483191,51.559898,-0.000000>,0.400000
<-7.825211,52.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.825211,52.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.483191,51.559898,-0.000000>,0.400000
<-8.125978,52.325943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.125978,52.325943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.125978,52.325943,-0.000000>,0.400000
<-8.992003,52.825943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.992003,52.825943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.125978,52.325943,-0.000000>,0.400000
<-8.768765,53.091988,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.768765,53.091988,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,50.793854,-0.000000>,0.400000
<-7.182423,51.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,51.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.182423,51.733543,-0.000000>,0.400000
<-7.182423,52.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,52.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.182423,51.733543,-0.000000>,0.400000
<-7.524443,52.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.524443,52.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,52.673237,-0.000000>,0.400000
<-8.167231,53.439281,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.167231,53.439281,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,52.673237,-0.000000>,0.400000
<-7.866463,53.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.866463,53.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,47.035084,-0.000000>,0.400000
<-6.115110,47.801125,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.115110,47.801125,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.115110,47.801125,-0.000000>,0.400000
<-6.457130,48.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.457130,48.740818,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.115110,47.801125,-0.000000>,0.400000
<-6.757897,48.567169,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.757897,48.567169,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.757897,48.567169,-0.000000>,0.400000
<-7.623923,49.067169,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.623923,49.067169,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.757897,48.567169,-0.000000>,0.400000
<-7.400685,49.333214,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.400685,49.333214,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.757897,48.567169,-0.000000>,0.400000
<-7.099918,49.506863,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.099918,49.506863,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.099918,49.506863,-0.000000>,0.400000
<-7.099918,50.506863,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.099918,50.506863,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.099918,49.506863,-0.000000>,0.400000
<-7.441938,50.446556,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.441938,50.446556,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.441938,50.446556,-0.000000>,0.400000
<-8.084725,51.212601,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.084725,51.212601,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.441938,50.446556,-0.000000>,0.400000
<-7.783958,51.386250,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.783958,51.386250,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.757897,48.567169,-0.000000>,0.400000
<-7.400685,49.333214,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.400685,49.333214,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.400685,49.333214,-0.000000>,0.400000
<-7.742705,50.272907,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.742705,50.272907,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.400685,49.333214,-0.000000>,0.400000
<-8.043472,50.099258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.043472,50.099258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.043472,50.099258,-0.000000>,0.400000
<-8.909498,50.599258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.909498,50.599258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.043472,50.099258,-0.000000>,0.400000
<-8.686260,50.865303,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.686260,50.865303,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.043472,50.099258,-0.000000>,0.400000
<-8.909498,50.599258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.909498,50.599258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.909498,50.599258,-0.000000>,0.400000
<-9.552286,51.365303,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.552286,51.365303,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.909498,50.599258,-0.000000>,0.400000
<-9.775523,51.099258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.775523,51.099258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.775523,51.099258,-0.000000>,0.400000
<-10.760331,51.272907,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.760331,51.272907,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.775523,51.099258,-0.000000>,0.400000
<-10.641549,51.599258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.641549,51.599258,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.043472,50.099258,-0.000000>,0.400000
<-8.686260,50.865303,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.686260,50.865303,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.686260,50.865303,-0.000000>,0.400000
<-9.028280,51.804996,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.028280,51.804996,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.686260,50.865303,-0.000000>,0.400000
<-9.329048,51.631348,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.329048,51.631348,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.329048,51.631348,-0.000000>,0.400000
<-10.195073,52.131348,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.195073,52.131348,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.329048,51.631348,-0.000000>,0.400000
<-9.971835,52.397392,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.971835,52.397392,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.043472,50.099258,-0.000000>,0.400000
<-8.385493,51.038952,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.385493,51.038952,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.385493,51.038952,-0.000000>,0.400000
<-8.385493,52.038952,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.385493,52.038952,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.385493,51.038952,-0.000000>,0.400000
<-8.727513,51.978645,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.727513,51.978645,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.727513,51.978645,-0.000000>,0.400000
<-9.370300,52.744690,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.370300,52.744690,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.727513,51.978645,-0.000000>,0.400000
<-9.069533,52.918339,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.069533,52.918339,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.727513,51.978645,-0.000000>,0.400000
<-8.727513,52.978645,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.727513,52.978645,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.727513,52.978645,-0.000000>,0.400000
<-8.385493,53.918339,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.385493,53.918339,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.727513,52.978645,-0.000000>,0.400000
<-8.727513,53.978645,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.727513,53.978645,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.727513,53.978645,-0.000000>,0.400000
<-9.069533,54.918339,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.069533,54.918339,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.727513,53.978645,-0.000000>,0.400000
<-8.727513,54.978645,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.727513,54.978645,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.727513,51.978645,-0.000000>,0.400000
<-9.069533,52.918339,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.069533,52.918339,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.069533,52.918339,-0.000000>,0.400000
<-9.069533,53.918339,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.069533,53.918339,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.069533,52.918339,-0.000000>,0.400000
<-9.411553,53.858028,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.411553,53.858028,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.411553,53.858028,-0.000000>,0.400000
<-10.054341,54.624073,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.054341,54.624073,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.411553,53.858028,-0.000000>,0.400000
<-9.753573,54.797722,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.753573,54.797722,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.411553,53.858028,-0.000000>,0.400000
<-10.054341,54.624073,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.054341,54.624073,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.054341,54.624073,-0.000000>,0.400000
<-10.396361,55.563766,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.396361,55.563766,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.054341,54.624073,-0.000000>,0.400000
<-10.697128,55.390118,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.697128,55.390118,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.697128,55.390118,-0.000000>,0.400000
<-11.563154,55.890118,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.563154,55.890118,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.697128,55.390118,-0.000000>,0.400000
<-11.339916,56.156162,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.339916,56.156162,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.411553,53.858028,-0.000000>,0.400000
<-9.753573,54.797722,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.753573,54.797722,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.753573,54.797722,-0.000000>,0.400000
<-9.753573,55.797722,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.753573,55.797722,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.753573,54.797722,-0.000000>,0.400000
<-10.095593,55.737415,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.095593,55.737415,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.095593,55.737415,-0.000000>,0.400000
<-10.738381,56.503460,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.738381,56.503460,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.095593,55.737415,-0.000000>,0.400000
<-10.437613,56.677109,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.437613,56.677109,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.043472,50.099258,-0.000000>,0.400000
<-8.686260,50.865303,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.686260,50.865303,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.686260,50.865303,-0.000000>,0.400000
<-9.028280,51.804996,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.028280,51.804996,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.686260,50.865303,-0.000000>,0.400000
<-9.329048,51.631348,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.329048,51.631348,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.329048,51.631348,-0.000000>,0.400000
<-10.195073,52.131348,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.195073,52.131348,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.329048,51.631348,-0.000000>,0.400000
<-9.971835,52.397392,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.971835,52.397392,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.329048,51.631348,-0.000000>,0.400000
<-9.671068,52.571041,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.671068,52.571041,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.671068,52.571041,-0.000000>,0.400000
<-9.671068,53.571041,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.671068,53.571041,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.671068,52.571041,-0.000000>,0.400000
<-10.013088,53.510735,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.013088,53.510735,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.013088,53.510735,-0.000000>,0.400000
<-10.655876,54.276779,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.655876,54.276779,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.013088,53.510735,-0.000000>,0.400000
<-10.355108,54.450428,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.355108,54.450428,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.329048,51.631348,-0.000000>,0.400000
<-9.971835,52.397392,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.971835,52.397392,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.971835,52.397392,-0.000000>,0.400000
<-10.313856,53.337086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.313856,53.337086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.971835,52.397392,-0.000000>,0.400000
<-10.614623,53.163437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.614623,53.163437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.614623,53.163437,-0.000000>,0.400000
<-11.480649,53.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.480649,53.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.614623,53.163437,-0.000000>,0.400000
<-11.257411,53.929482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.257411,53.929482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.614623,53.163437,-0.000000>,0.400000
<-11.480649,53.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.480649,53.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.480649,53.663437,-0.000000>,0.400000
<-12.123436,54.429482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.123436,54.429482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.480649,53.663437,-0.000000>,0.400000
<-12.346674,54.163437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.346674,54.163437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.346674,54.163437,-0.000000>,0.400000
<-13.331482,54.337086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.331482,54.337086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.346674,54.163437,-0.000000>,0.400000
<-13.212699,54.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.212699,54.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.614623,53.163437,-0.000000>,0.400000
<-11.257411,53.929482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.257411,53.929482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.257411,53.929482,-0.000000>,0.400000
<-11.599431,54.869175,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.599431,54.869175,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.257411,53.929482,-0.000000>,0.400000
<-11.900198,54.695526,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.900198,54.695526,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.900198,54.695526,-0.000000>,0.400000
<-12.766224,55.195526,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.766224,55.195526,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.900198,54.695526,-0.000000>,0.400000
<-12.542986,55.461571,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.542986,55.461571,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.614623,53.163437,-0.000000>,0.400000
<-11.480649,53.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.480649,53.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.480649,53.663437,-0.000000>,0.400000
<-12.123436,54.429482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.123436,54.429482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.480649,53.663437,-0.000000>,0.400000
<-12.346674,54.163437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.346674,54.163437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.346674,54.163437,-0.000000>,0.400000
<-13.331482,54.337086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.331482,54.337086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.346674,54.163437,-0.000000>,0.400000
<-13.212699,54.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.212699,54.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.346674,54.163437,-0.000000>,0.400000
<-12.989462,54.929482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.989462,54.929482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.989462,54.929482,-0.000000>,0.400000
<-13.331482,55.869175,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.331482,55.869175,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.989462,54.929482,-0.000000>,0.400000
<-13.632249,55.695526,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.632249,55.695526,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.632249,55.695526,-0.000000>,0.400000
<-14.498275,56.195526,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.498275,56.195526,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.632249,55.695526,-0.000000>,0.400000
<-14.275037,56.461571,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.275037,56.461571,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.346674,54.163437,-0.000000>,0.400000
<-13.212699,54.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.212699,54.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.212699,54.663437,-0.000000>,0.400000
<-13.855487,55.429482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.855487,55.429482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.212699,54.663437,-0.000000>,0.400000
<-14.078725,55.163437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.078725,55.163437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.078725,55.163437,-0.000000>,0.400000
<-15.063533,55.337086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.063533,55.337086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.078725,55.163437,-0.000000>,0.400000
<-14.944750,55.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.944750,55.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.078725,55.163437,-0.000000>,0.400000
<-15.063533,55.337086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.063533,55.337086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.063533,55.337086,-0.000000>,0.400000
<-15.929558,55.837086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.929558,55.837086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.063533,55.337086,-0.000000>,0.400000
<-16.048340,55.510735,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.048340,55.510735,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.048340,55.510735,-0.000000>,0.400000
<-17.033148,55.337086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.033148,55.337086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.048340,55.510735,-0.000000>,0.400000
<-17.033148,55.684383,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.033148,55.684383,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.078725,55.163437,-0.000000>,0.400000
<-14.944750,55.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.944750,55.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.944750,55.663437,-0.000000>,0.400000
<-15.587538,56.429482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.587538,56.429482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.944750,55.663437,-0.000000>,0.400000
<-15.810776,56.163437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.810776,56.163437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.810776,56.163437,-0.000000>,0.400000
<-16.795584,56.337086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.795584,56.337086,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.810776,56.163437,-0.000000>,0.400000
<-16.676802,56.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.676802,56.663437,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.614623,53.163437,-0.000000>,0.400000
<-11.257411,53.929482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.257411,53.929482,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.257411,53.929482,-0.000000>,0.400000
<-11.599431,54.869175,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.599431,54.869175,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.257411,53.929482,-0.000000>,0.400000
<-11.900198,54.695526,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.900198,54.695526,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.900198,54.695526,-0.000000>,0.400000
<-12.766224,55.195526,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.766224,55.195526,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.900198,54.695526,-0.000000>,0.400000
<-12.542986,55.461571,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.542986,55.461571,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.900198,54.695526,-0.000000>,0.400000
<-12.242219,55.635220,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.242219,55.635220,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.242219,55.635220,-0.000000>,0.400000
<-12.242219,56.635220,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.242219,56.635220,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.242219,55.635220,-0.000000>,0.400000
<-12.584239,56.574913,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.584239,56.574913,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.584239,56.574913,-0.000000>,0.400000
<-13.227026,57.340958,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.227026,57.340958,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.584239,56.574913,-0.000000>,0.400000
<-12.926259,57.514603,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.926259,57.514603,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.900198,54.695526,-0.000000>,0.400000
<-12.542986,55.461571,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.542986,55.461571,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.542986,55.461571,-0.000000>,0.400000
<-12.885006,56.401264,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.885006,56.401264,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.542986,55.461571,-0.000000>,0.400000
<-13.185774,56.227615,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.185774,56.227615,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.185774,56.227615,-0.000000>,0.400000
<-14.051799,56.727615,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.051799,56.727615,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.185774,56.227615,-0.000000>,0.400000
<-13.828561,56.993660,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.828561,56.993660,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.185774,56.227615,-0.000000>,0.400000
<-14.051799,56.727615,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.051799,56.727615,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.051799,56.727615,-0.000000>,0.400000
<-14.694587,57.493660,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.694587,57.493660,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.051799,56.727615,-0.000000>,0.400000
<-14.917825,57.227615,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.917825,57.227615,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.917825,57.227615,-0.000000>,0.400000
<-15.902632,57.401264,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.902632,57.401264,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.917825,57.227615,-0.000000>,0.400000
<-15.783850,57.727615,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.783850,57.727615,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.185774,56.227615,-0.000000>,0.400000
<-13.828561,56.993660,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.828561,56.993660,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.828561,56.993660,-0.000000>,0.400000
<-14.170582,57.933353,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.170582,57.933353,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.828561,56.993660,-0.000000>,0.400000
<-14.471349,57.759705,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.471349,57.759705,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.471349,57.759705,-0.000000>,0.400000
<-15.337375,58.259705,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.337375,58.259705,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.471349,57.759705,-0.000000>,0.400000
<-15.114137,58.525749,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.114137,58.525749,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.472322,47.035084,-0.000000>,0.400000
<-5.814342,47.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.814342,47.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.814342,47.974773,-0.000000>,0.400000
<-5.814342,48.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.814342,48.974773,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.814342,47.974773,-0.000000>,0.400000
<-6.156363,48.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,48.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,48.914467,-0.000000>,0.400000
<-6.799150,49.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.799150,49.680511,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,48.914467,-0.000000>,0.400000
<-6.498383,49.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,49.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,48.914467,-0.000000>,0.400000
<-6.156363,49.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,49.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,49.914467,-0.000000>,0.400000
<-5.814342,50.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.814342,50.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,49.914467,-0.000000>,0.400000
<-6.156363,50.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,50.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,50.914467,-0.000000>,0.400000
<-6.498383,51.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,51.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,50.914467,-0.000000>,0.400000
<-6.156363,51.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,51.914467,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,48.914467,-0.000000>,0.400000
<-6.498383,49.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,49.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.498383,49.854160,-0.000000>,0.400000
<-6.498383,50.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,50.854160,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.498383,49.854160,-0.000000>,0.400000
<-6.840403,50.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,50.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,50.793854,-0.000000>,0.400000
<-7.483191,51.559898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.483191,51.559898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,50.793854,-0.000000>,0.400000
<-7.182423,51.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,51.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,50.793854,-0.000000>,0.400000
<-7.483191,51.559898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.483191,51.559898,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.483191,51.559898,-0.000000>,0.400000
<-7.825211,52.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.825211,52.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.483191,51.559898,-0.000000>,0.400000
<-8.125978,52.325943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.125978,52.325943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.125978,52.325943,-0.000000>,0.400000
<-8.992003,52.825943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.992003,52.825943,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.125978,52.325943,-0.000000>,0.400000
<-8.768765,53.091988,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.768765,53.091988,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,50.793854,-0.000000>,0.400000
<-7.182423,51.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,51.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.182423,51.733543,-0.000000>,0.400000
<-7.182423,52.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,52.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.182423,51.733543,-0.000000>,0.400000
<-7.524443,52.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.524443,52.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,52.673237,-0.000000>,0.400000
<-8.167231,53.439281,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.167231,53.439281,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,52.673237,-0.000000>,0.400000
<-7.866463,53.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.866463,53.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,50.793854,-0.000000>,0.400000
<-6.840403,51.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,51.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,51.793854,-0.000000>,0.400000
<-6.498383,52.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,52.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,51.793854,-0.000000>,0.400000
<-6.840403,52.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,52.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,52.793854,-0.000000>,0.400000
<-7.182423,53.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,53.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,52.793854,-0.000000>,0.400000
<-6.840403,53.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,53.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,52.793854,-0.000000>,0.400000
<-6.498383,53.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,53.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.498383,53.733543,-0.000000>,0.400000
<-5.855595,54.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.855595,54.499588,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.498383,53.733543,-0.000000>,0.400000
<-6.156363,54.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,54.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,54.673237,-0.000000>,0.400000
<-6.156363,55.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156363,55.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156363,54.673237,-0.000000>,0.400000
<-5.814342,55.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.814342,55.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,52.793854,-0.000000>,0.400000
<-6.840403,53.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,53.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,53.793854,-0.000000>,0.400000
<-6.498383,54.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,54.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,53.793854,-0.000000>,0.400000
<-6.840403,54.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,54.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,54.793854,-0.000000>,0.400000
<-7.182423,55.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,55.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,54.793854,-0.000000>,0.400000
<-6.840403,55.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,55.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,54.793854,-0.000000>,0.400000
<-7.182423,55.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,55.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.182423,55.733543,-0.000000>,0.400000
<-7.182423,56.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,56.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.182423,55.733543,-0.000000>,0.400000
<-7.524443,56.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.524443,56.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,56.673237,-0.000000>,0.400000
<-8.167231,57.439281,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.167231,57.439281,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,56.673237,-0.000000>,0.400000
<-7.866463,57.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.866463,57.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,54.793854,-0.000000>,0.400000
<-6.840403,55.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,55.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,55.793854,-0.000000>,0.400000
<-6.498383,56.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.498383,56.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,55.793854,-0.000000>,0.400000
<-6.840403,56.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,56.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,56.793854,-0.000000>,0.400000
<-7.182423,57.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,57.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,56.793854,-0.000000>,0.400000
<-6.840403,57.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.840403,57.793854,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.840403,50.793854,-0.000000>,0.400000
<-7.182423,51.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,51.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.182423,51.733543,-0.000000>,0.400000
<-7.182423,52.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,52.733543,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.182423,51.733543,-0.000000>,0.400000
<-7.524443,52.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.524443,52.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,52.673237,-0.000000>,0.400000
<-8.167231,53.439281,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.167231,53.439281,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,52.673237,-0.000000>,0.400000
<-7.866463,53.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.866463,53.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,52.673237,-0.000000>,0.400000
<-7.524443,53.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.524443,53.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,53.673237,-0.000000>,0.400000
<-7.182423,54.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182423,54.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,53.673237,-0.000000>,0.400000
<-7.524443,54.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.524443,54.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,54.673237,-0.000000>,0.400000
<-7.866463,55.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.866463,55.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,54.673237,-0.000000>,0.400000
<-7.524443,55.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.524443,55.673237,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.524443,52.673237,-0.000000>,0.400000
<-7.866463,53.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.866463,53.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.866463,53.612930,-0.000000>,0.400000
<-7.866463,54.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.866463,54.612930,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.866463,53.612930,-0.000000>,0.400000
<-8.208484,54.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.208484,54.552624,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.208484,54.552624,-0.000000>,0.400000
<-8.851271,55.318668,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.851271,55.318668,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.208484,54.552624,-0.000000>,0.400000
<-8.550504,55.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.550504,55.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.208484,54.552624,-0.000000>,0.400000
<-8.851271,55.318668,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.851271,55.318668,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.851271,55.318668,-0.000000>,0.400000
<-9.193292,56.258362,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.193292,56.258362,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.851271,55.318668,-0.000000>,0.400000
<-9.494059,56.084713,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.494059,56.084713,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.494059,56.084713,-0.000000>,0.400000
<-10.360085,56.584713,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.360085,56.584713,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.494059,56.084713,-0.000000>,0.400000
<-10.136847,56.850758,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.136847,56.850758,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.208484,54.552624,-0.000000>,0.400000
<-8.550504,55.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.550504,55.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.550504,55.492317,-0.000000>,0.400000
<-8.550504,56.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.550504,56.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.550504,55.492317,-0.000000>,0.400000
<-8.892524,56.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.892524,56.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.892524,56.432007,-0.000000>,0.400000
<-9.535312,57.198051,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.535312,57.198051,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.892524,56.432007,-0.000000>,0.400000
<-9.234544,57.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.234544,57.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.208484,54.552624,-0.000000>,0.400000
<-8.851271,55.318668,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.851271,55.318668,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.851271,55.318668,-0.000000>,0.400000
<-9.193292,56.258362,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.193292,56.258362,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.851271,55.318668,-0.000000>,0.400000
<-9.494059,56.084713,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.494059,56.084713,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.494059,56.084713,-0.000000>,0.400000
<-10.360085,56.584713,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.360085,56.584713,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.494059,56.084713,-0.000000>,0.400000
<-10.136847,56.850758,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.136847,56.850758,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.494059,56.084713,-0.000000>,0.400000
<-9.836079,57.024403,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.836079,57.024403,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.836079,57.024403,-0.000000>,0.400000
<-9.836079,58.024403,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.836079,58.024403,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.836079,57.024403,-0.000000>,0.400000
<-10.178099,57.964096,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.178099,57.964096,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.178099,57.964096,-0.000000>,0.400000
<-10.820887,58.730141,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.820887,58.730141,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.178099,57.964096,-0.000000>,0.400000
<-10.520119,58.903790,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.520119,58.903790,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.494059,56.084713,-0.000000>,0.400000
<-10.136847,56.850758,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.136847,56.850758,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.136847,56.850758,-0.000000>,0.400000
<-10.478867,57.790447,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.478867,57.790447,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.136847,56.850758,-0.000000>,0.400000
<-10.779634,57.616802,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.779634,57.616802,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.779634,57.616802,-0.000000>,0.400000
<-11.645659,58.116802,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.645659,58.116802,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.779634,57.616802,-0.000000>,0.400000
<-11.422421,58.382847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.422421,58.382847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.779634,57.616802,-0.000000>,0.400000
<-11.645659,58.116802,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.645659,58.116802,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.645659,58.116802,-0.000000>,0.400000
<-12.288446,58.882847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.288446,58.882847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.645659,58.116802,-0.000000>,0.400000
<-12.511684,58.616802,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.511684,58.616802,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.511684,58.616802,-0.000000>,0.400000
<-13.496492,58.790447,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.496492,58.790447,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.511684,58.616802,-0.000000>,0.400000
<-13.377710,59.116802,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.377710,59.116802,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.779634,57.616802,-0.000000>,0.400000
<-11.422421,58.382847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.422421,58.382847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.422421,58.382847,-0.000000>,0.400000
<-11.764441,59.322536,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.764441,59.322536,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.422421,58.382847,-0.000000>,0.400000
<-12.065209,59.148891,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.065209,59.148891,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.065209,59.148891,-0.000000>,0.400000
<-12.931234,59.648891,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.931234,59.648891,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.065209,59.148891,-0.000000>,0.400000
<-12.707996,59.914932,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.707996,59.914932,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.208484,54.552624,-0.000000>,0.400000
<-8.550504,55.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.550504,55.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.550504,55.492317,-0.000000>,0.400000
<-8.550504,56.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.550504,56.492317,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.550504,55.492317,-0.000000>,0.400000
<-8.892524,56.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.892524,56.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.892524,56.432007,-0.000000>,0.400000
<-9.535312,57.198051,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.535312,57.198051,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.892524,56.432007,-0.000000>,0.400000
<-9.234544,57.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.234544,57.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.892524,56.432007,-0.000000>,0.400000
<-8.892524,57.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.892524,57.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.892524,57.432007,-0.000000>,0.400000
<-8.550504,58.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.550504,58.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.892524,57.432007,-0.000000>,0.400000
<-8.892524,58.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.892524,58.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.892524,58.432007,-0.000000>,0.400000
<-9.234544,59.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.234544,59.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.892524,58.432007,-0.000000>,0.400000
<-8.892524,59.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.892524,59.432007,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.892524,56.432007,-0.000000>,0.400000
<-9.234544,57.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.234544,57.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.234544,57.371700,-0.000000>,0.400000
<-9.234544,58.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.234544,58.371700,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.234544,57.371700,-0.000000>,0.400000
<-9.576564,58.311394,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.576564,58.311394,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.576564,58.311394,-0.000000>,0.400000
<-10.219352,59.077438,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.219352,59.077438,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.576564,58.311394,-0.000000>,0.400000
<-9.918584,59.251087,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.918584,59.251087,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.576564,58.311394,-0.000000>,0.400000
<-10.219352,59.077438,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.219352,59.077438,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.219352,59.077438,-0.000000>,0.400000
<-10.561372,60.017132,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.561372,60.017132,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.219352,59.077438,-0.000000>,0.400000
<-10.862140,59.843483,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.862140,59.843483,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.862140,59.843483,-0.000000>,0.400000
<-11.728165,60.343483,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.728165,60.343483,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.862140,59.843483,-0.000000>,0.400000
<-11.504927,60.609528,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.504927,60.609528,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.576564,58.311394,-0.000000>,0.400000
<-9.918584,59.251087,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.918584,59.251087,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.918584,59.251087,-0.000000>,0.400000
<-9.918584,60.251087,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.918584,60.251087,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.918584,59.251087,-0.000000>,0.400000
<-10.260604,60.190777,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.260604,60.190777,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.260604,60.190777,-0.000000>,0.400000
<-10.903392,60.956821,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.903392,60.956821,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.260604,60.190777,-0.000000>,0.400000
<-10.602625,61.130470,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.602625,61.130470,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.400000
<0.000000,33.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,33.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,33.000000,-0.000000>,0.400000
<0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,33.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,33.000000,-0.000000>,0.400000
<0.000000,34.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,34.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.400000
<-0.342020,34.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,34.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.400000
<0.000000,35.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,35.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.400000
<0.342020,34.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,34.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,34.939693,-0.000000>,0.400000
<0.984808,35.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,35.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,34.939693,-0.000000>,0.400000
<0.684040,35.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,35.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,35.879387,-0.000000>,0.400000
<0.684040,36.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,36.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,35.879387,-0.000000>,0.400000
<1.026060,36.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,36.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.000000,-0.000000>,0.400000
<0.000000,35.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,35.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,35.000000,-0.000000>,0.400000
<0.342020,35.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,35.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,35.000000,-0.000000>,0.400000
<0.000000,36.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,36.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<-0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<-0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,36.939693,-0.000000>,0.400000
<-0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,36.939693,-0.000000>,0.400000
<-0.684040,37.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,37.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,37.879387,-0.000000>,0.400000
<-1.326828,38.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,38.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,37.879387,-0.000000>,0.400000
<-1.026060,38.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,38.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,37.000000,-0.000000>,0.400000
<0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,37.000000,-0.000000>,0.400000
<0.000000,38.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,38.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.400000
<-0.342020,38.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,38.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.400000
<0.000000,39.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,39.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,36.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,36.939693,-0.000000>,0.400000
<0.984808,37.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,37.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,36.939693,-0.000000>,0.400000
<0.684040,37.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,37.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,37.879387,-0.000000>,0.400000
<0.684040,38.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,38.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,37.879387,-0.000000>,0.400000
<1.026060,38.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,38.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,37.879387,-0.000000>,0.400000
<1.326828,38.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.326828,38.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,38.645432,-0.000000>,0.400000
<2.192853,39.145432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.192853,39.145432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,38.645432,-0.000000>,0.400000
<1.969615,39.411472,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.969615,39.411472,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,39.411472,-0.000000>,0.400000
<2.311636,40.351166,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.311636,40.351166,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,39.411472,-0.000000>,0.400000
<2.612403,40.177517,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.612403,40.177517,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,37.879387,-0.000000>,0.400000
<1.026060,38.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,38.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,38.819077,-0.000000>,0.400000
<1.668848,39.585121,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.668848,39.585121,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,38.819077,-0.000000>,0.400000
<1.368081,39.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,39.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,39.758770,-0.000000>,0.400000
<1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,39.758770,-0.000000>,0.400000
<1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,39.758770,-0.000000>,0.400000
<1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,40.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,40.758770,-0.000000>,0.400000
<1.710101,41.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,41.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,40.758770,-0.000000>,0.400000
<1.368081,41.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,41.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,41.758770,-0.000000>,0.400000
<1.026060,42.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,42.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,41.758770,-0.000000>,0.400000
<1.368081,42.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,42.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,39.758770,-0.000000>,0.400000
<1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,40.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,40.698463,-0.000000>,0.400000
<2.352888,41.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,41.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,40.698463,-0.000000>,0.400000
<2.052121,41.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,41.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,41.638157,-0.000000>,0.400000
<2.052121,42.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,42.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,41.638157,-0.000000>,0.400000
<2.394141,42.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,42.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,36.000000,-0.000000>,0.400000
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,37.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,37.000000,-0.000000>,0.400000
<0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,37.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,37.000000,-0.000000>,0.400000
<0.000000,38.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,38.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.400000
<-0.342020,38.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,38.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.400000
<0.000000,39.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,39.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.400000
<0.342020,38.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,38.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,38.939693,-0.000000>,0.400000
<0.984808,39.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,39.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,38.939693,-0.000000>,0.400000
<0.684040,39.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,39.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,39.879387,-0.000000>,0.400000
<0.684040,40.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,40.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,39.879387,-0.000000>,0.400000
<1.026060,40.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,40.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.000000,-0.000000>,0.400000
<0.000000,39.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,39.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,39.000000,-0.000000>,0.400000
<0.342020,39.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,39.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,39.000000,-0.000000>,0.400000
<0.000000,40.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,40.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.400000
<-0.342020,40.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,40.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.400000
<0.000000,41.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,41.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.400000
<-0.342020,40.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,40.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,40.939693,-0.000000>,0.400000
<-0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,40.939693,-0.000000>,0.400000
<-0.684040,41.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,41.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,41.879387,-0.000000>,0.400000
<-1.326828,42.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,42.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,41.879387,-0.000000>,0.400000
<-1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.400000
<0.000000,41.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,41.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.000000,-0.000000>,0.400000
<0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.000000,-0.000000>,0.400000
<0.000000,42.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,42.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<-0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.400000
<-0.342020,40.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,40.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,40.939693,-0.000000>,0.400000
<-0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,40.939693,-0.000000>,0.400000
<-0.684040,41.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,41.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,41.879387,-0.000000>,0.400000
<-1.326828,42.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,42.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,41.879387,-0.000000>,0.400000
<-1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,41.879387,-0.000000>,0.400000
<-0.684040,42.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,42.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,42.879387,-0.000000>,0.400000
<-0.342020,43.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,43.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,42.879387,-0.000000>,0.400000
<-0.684040,43.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,43.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,43.879387,-0.000000>,0.400000
<-1.026060,44.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,44.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,43.879387,-0.000000>,0.400000
<-0.684040,44.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,44.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,41.879387,-0.000000>,0.400000
<-1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,42.819077,-0.000000>,0.400000
<-1.026060,43.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,43.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,42.819077,-0.000000>,0.400000
<-1.368081,43.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,43.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,43.758770,-0.000000>,0.400000
<-2.010868,44.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,44.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,43.758770,-0.000000>,0.400000
<-1.710101,44.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,44.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,43.758770,-0.000000>,0.400000
<-2.010868,44.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,44.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,44.524815,-0.000000>,0.400000
<-2.352888,45.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.352888,45.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,44.524815,-0.000000>,0.400000
<-2.653656,45.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.653656,45.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,45.290859,-0.000000>,0.400000
<-3.519681,45.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.519681,45.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,45.290859,-0.000000>,0.400000
<-3.296443,46.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.296443,46.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,43.758770,-0.000000>,0.400000
<-1.710101,44.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,44.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,44.698463,-0.000000>,0.400000
<-1.710101,45.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,45.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,44.698463,-0.000000>,0.400000
<-2.052121,45.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,45.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,45.638157,-0.000000>,0.400000
<-2.694908,46.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,46.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,45.638157,-0.000000>,0.400000
<-2.394141,46.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,46.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.400000
<0.000000,41.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,41.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.000000,-0.000000>,0.400000
<0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.000000,-0.000000>,0.400000
<0.000000,42.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,42.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<-0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,42.939693,-0.000000>,0.400000
<0.984808,43.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,43.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,42.939693,-0.000000>,0.400000
<0.684040,43.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,43.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,43.879387,-0.000000>,0.400000
<0.684040,44.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,44.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,43.879387,-0.000000>,0.400000
<1.026060,44.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,44.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,43.000000,-0.000000>,0.400000
<0.342020,43.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,43.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,43.000000,-0.000000>,0.400000
<0.000000,44.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,44.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.400000
<-0.342020,44.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,44.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.400000
<0.000000,45.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,45.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.400000
<-0.342020,44.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,44.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,44.939693,-0.000000>,0.400000
<-0.342020,45.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,45.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,44.939693,-0.000000>,0.400000
<-0.684040,45.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,45.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,45.879387,-0.000000>,0.400000
<-1.326828,46.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,46.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,45.879387,-0.000000>,0.400000
<-1.026060,46.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,46.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.400000
<0.000000,45.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,45.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,45.000000,-0.000000>,0.400000
<0.342020,45.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,45.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,45.000000,-0.000000>,0.400000
<0.000000,46.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,46.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.000000,-0.000000>,0.400000
<-0.342020,46.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,46.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.000000,-0.000000>,0.400000
<0.000000,47.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,47.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.400000
<0.342020,40.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,40.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,40.939693,-0.000000>,0.400000
<0.984808,41.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,41.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,40.939693,-0.000000>,0.400000
<0.684040,41.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,41.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,41.879387,-0.000000>,0.400000
<0.684040,42.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,42.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,41.879387,-0.000000>,0.400000
<1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,41.879387,-0.000000>,0.400000
<1.326828,42.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.326828,42.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,42.645432,-0.000000>,0.400000
<2.192853,43.145432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.192853,43.145432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,42.645432,-0.000000>,0.400000
<1.969615,43.411472,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.969615,43.411472,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,43.411472,-0.000000>,0.400000
<2.311636,44.351166,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.311636,44.351166,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,43.411472,-0.000000>,0.400000
<2.612403,44.177517,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.612403,44.177517,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,41.879387,-0.000000>,0.400000
<1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,42.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,42.819077,-0.000000>,0.400000
<1.668848,43.585121,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.668848,43.585121,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,42.819077,-0.000000>,0.400000
<1.368081,43.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,43.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,43.758770,-0.000000>,0.400000
<1.368081,44.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,44.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,43.758770,-0.000000>,0.400000
<1.710101,44.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,44.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,43.758770,-0.000000>,0.400000
<1.368081,44.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,44.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,44.758770,-0.000000>,0.400000
<1.710101,45.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,45.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,44.758770,-0.000000>,0.400000
<1.368081,45.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,45.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,45.758770,-0.000000>,0.400000
<1.026060,46.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,46.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,45.758770,-0.000000>,0.400000
<1.368081,46.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,46.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,43.758770,-0.000000>,0.400000
<1.710101,44.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,44.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,44.698463,-0.000000>,0.400000
<2.352888,45.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,45.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,44.698463,-0.000000>,0.400000
<2.052121,45.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,45.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,45.638157,-0.000000>,0.400000
<2.052121,46.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,46.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,45.638157,-0.000000>,0.400000
<2.394141,46.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,46.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,43.758770,-0.000000>,0.400000
<2.010868,44.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.010868,44.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.010868,44.524815,-0.000000>,0.400000
<2.876894,45.024815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.876894,45.024815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.010868,44.524815,-0.000000>,0.400000
<2.653656,45.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.653656,45.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,45.290859,-0.000000>,0.400000
<2.995676,46.230553,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.995676,46.230553,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,45.290859,-0.000000>,0.400000
<3.296443,46.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.296443,46.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,45.290859,-0.000000>,0.400000
<3.519681,45.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.519681,45.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.519681,45.790859,-0.000000>,0.400000
<4.504489,45.964508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.504489,45.964508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.519681,45.790859,-0.000000>,0.400000
<4.385706,46.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.385706,46.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.385706,46.290859,-0.000000>,0.400000
<5.028494,47.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.028494,47.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.385706,46.290859,-0.000000>,0.400000
<5.251732,46.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.251732,46.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.653656,45.290859,-0.000000>,0.400000
<3.296443,46.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.296443,46.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.296443,46.056904,-0.000000>,0.400000
<4.162469,46.556904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.162469,46.556904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.296443,46.056904,-0.000000>,0.400000
<3.939231,46.822948,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.939231,46.822948,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,46.822948,-0.000000>,0.400000
<4.281251,47.762642,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.281251,47.762642,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,46.822948,-0.000000>,0.400000
<4.582019,47.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.582019,47.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,46.822948,-0.000000>,0.400000
<4.281251,47.762642,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.281251,47.762642,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.281251,47.762642,-0.000000>,0.400000
<4.924039,48.528687,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.924039,48.528687,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.281251,47.762642,-0.000000>,0.400000
<4.623271,48.702335,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.623271,48.702335,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.623271,48.702335,-0.000000>,0.400000
<4.623271,49.702335,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.623271,49.702335,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.623271,48.702335,-0.000000>,0.400000
<4.965292,49.642025,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.965292,49.642025,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.939231,46.822948,-0.000000>,0.400000
<4.582019,47.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.582019,47.588993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.582019,47.588993,-0.000000>,0.400000
<5.448044,48.088993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.448044,48.088993,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.582019,47.588993,-0.000000>,0.400000
<5.224806,48.355038,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.224806,48.355038,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.224806,48.355038,-0.000000>,0.400000
<5.566826,49.294731,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.566826,49.294731,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.224806,48.355038,-0.000000>,0.400000
<5.867594,49.121082,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.867594,49.121082,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,43.758770,-0.000000>,0.400000
<1.710101,44.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,44.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,44.698463,-0.000000>,0.400000
<2.352888,45.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,45.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,44.698463,-0.000000>,0.400000
<2.052121,45.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,45.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,45.638157,-0.000000>,0.400000
<2.052121,46.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,46.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,45.638157,-0.000000>,0.400000
<2.394141,46.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,46.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,45.638157,-0.000000>,0.400000
<2.694908,46.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.694908,46.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.694908,46.404202,-0.000000>,0.400000
<3.560934,46.904202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.560934,46.904202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.694908,46.404202,-0.000000>,0.400000
<3.337696,47.170246,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.337696,47.170246,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.337696,47.170246,-0.000000>,0.400000
<3.679716,48.109936,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.679716,48.109936,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.337696,47.170246,-0.000000>,0.400000
<3.980484,47.936291,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.980484,47.936291,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,45.638157,-0.000000>,0.400000
<2.394141,46.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,46.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,46.577847,-0.000000>,0.400000
<3.036929,47.343891,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.036929,47.343891,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,46.577847,-0.000000>,0.400000
<2.736161,47.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,47.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,47.517540,-0.000000>,0.400000
<2.736161,48.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,48.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,47.517540,-0.000000>,0.400000
<3.078181,48.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,48.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,47.517540,-0.000000>,0.400000
<2.736161,48.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,48.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,48.517540,-0.000000>,0.400000
<3.078181,49.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,49.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,48.517540,-0.000000>,0.400000
<2.736161,49.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,49.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,49.517540,-0.000000>,0.400000
<2.394141,50.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,50.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,49.517540,-0.000000>,0.400000
<2.736161,50.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,50.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,47.517540,-0.000000>,0.400000
<3.078181,48.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,48.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,48.457233,-0.000000>,0.400000
<3.720969,49.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.720969,49.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,48.457233,-0.000000>,0.400000
<3.420202,49.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,49.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,49.396927,-0.000000>,0.400000
<3.420202,50.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,50.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,49.396927,-0.000000>,0.400000
<3.762222,50.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,50.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,47.517540,-0.000000>,0.400000
<2.736161,48.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,48.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,48.517540,-0.000000>,0.400000
<3.078181,49.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,49.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,48.517540,-0.000000>,0.400000
<2.736161,49.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,49.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,49.517540,-0.000000>,0.400000
<2.394141,50.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,50.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,49.517540,-0.000000>,0.400000
<2.736161,50.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,50.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,49.517540,-0.000000>,0.400000
<3.078181,50.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,50.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,50.457233,-0.000000>,0.400000
<3.720969,51.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.720969,51.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,50.457233,-0.000000>,0.400000
<3.420202,51.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,51.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,51.396927,-0.000000>,0.400000
<3.420202,52.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,52.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,51.396927,-0.000000>,0.400000
<3.762222,52.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,52.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,49.517540,-0.000000>,0.400000
<2.736161,50.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,50.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,50.517540,-0.000000>,0.400000
<3.078181,51.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,51.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,50.517540,-0.000000>,0.400000
<2.736161,51.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,51.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,51.517540,-0.000000>,0.400000
<2.394141,52.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,52.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,51.517540,-0.000000>,0.400000
<2.736161,52.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,52.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,51.517540,-0.000000>,0.400000
<2.394141,52.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,52.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,52.457233,-0.000000>,0.400000
<2.394141,53.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,53.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.394141,52.457233,-0.000000>,0.400000
<2.052121,53.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,53.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,53.396927,-0.000000>,0.400000
<1.409333,54.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.409333,54.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,53.396927,-0.000000>,0.400000
<1.710101,54.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,54.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,51.517540,-0.000000>,0.400000
<2.736161,52.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,52.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,52.517540,-0.000000>,0.400000
<3.078181,53.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,53.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,52.517540,-0.000000>,0.400000
<2.736161,53.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,53.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,53.517540,-0.000000>,0.400000
<2.394141,54.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,54.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,53.517540,-0.000000>,0.400000
<2.736161,54.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.736161,54.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.736161,47.517540,-0.000000>,0.400000
<3.078181,48.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.078181,48.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,48.457233,-0.000000>,0.400000
<3.720969,49.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.720969,49.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.078181,48.457233,-0.000000>,0.400000
<3.420202,49.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,49.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,49.396927,-0.000000>,0.400000
<3.420202,50.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.420202,50.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,49.396927,-0.000000>,0.400000
<3.762222,50.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,50.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,49.396927,-0.000000>,0.400000
<4.062989,50.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.062989,50.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.062989,50.162971,-0.000000>,0.400000
<4.929015,50.662971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.929015,50.662971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.062989,50.162971,-0.000000>,0.400000
<4.705777,50.929016,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.705777,50.929016,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.705777,50.929016,-0.000000>,0.400000
<5.047797,51.868710,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.047797,51.868710,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.705777,50.929016,-0.000000>,0.400000
<5.348564,51.695061,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.348564,51.695061,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.420202,49.396927,-0.000000>,0.400000
<3.762222,50.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,50.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.762222,50.336620,-0.000000>,0.400000
<4.405009,51.102665,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.405009,51.102665,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.762222,50.336620,-0.000000>,0.400000
<4.104242,51.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,51.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,51.276310,-0.000000>,0.400000
<4.104242,52.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,52.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,51.276310,-0.000000>,0.400000
<4.446262,52.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,52.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,51.276310,-0.000000>,0.400000
<4.104242,52.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,52.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,52.276310,-0.000000>,0.400000
<4.446262,53.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,53.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,52.276310,-0.000000>,0.400000
<4.104242,53.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,53.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,53.276310,-0.000000>,0.400000
<3.762222,54.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.762222,54.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,53.276310,-0.000000>,0.400000
<4.104242,54.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.104242,54.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.104242,51.276310,-0.000000>,0.400000
<4.446262,52.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.446262,52.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,52.216003,-0.000000>,0.400000
<5.089049,52.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.089049,52.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.446262,52.216003,-0.000000>,0.400000
<4.788282,53.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,53.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,53.155697,-0.000000>,0.400000
<4.788282,54.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.788282,54.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.788282,53.155697,-0.000000>,0.400000
<5.130302,54.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.130302,54.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.000000,-0.000000>,0.400000
<0.000000,41.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,41.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.000000,-0.000000>,0.400000
<0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,41.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.000000,-0.000000>,0.400000
<0.000000,42.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,42.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<-0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,42.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,42.939693,-0.000000>,0.400000
<0.984808,43.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,43.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,42.939693,-0.000000>,0.400000
<0.684040,43.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,43.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,43.879387,-0.000000>,0.400000
<0.684040,44.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,44.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,43.879387,-0.000000>,0.400000
<1.026060,44.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,44.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.000000,-0.000000>,0.400000
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,43.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,43.000000,-0.000000>,0.400000
<0.342020,43.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,43.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,43.000000,-0.000000>,0.400000
<0.000000,44.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,44.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.400000
<-0.342020,44.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,44.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.400000
<0.000000,45.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,45.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.400000
<-0.342020,44.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,44.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,44.939693,-0.000000>,0.400000
<-0.342020,45.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,45.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,44.939693,-0.000000>,0.400000
<-0.684040,45.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,45.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,45.879387,-0.000000>,0.400000
<-1.326828,46.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,46.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,45.879387,-0.000000>,0.400000
<-1.026060,46.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,46.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.400000
<0.000000,45.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,45.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,45.000000,-0.000000>,0.400000
<0.342020,45.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,45.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,45.000000,-0.000000>,0.400000
<0.000000,46.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,46.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.000000,-0.000000>,0.400000
<-0.342020,46.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,46.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.000000,-0.000000>,0.400000
<0.000000,47.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,47.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.400000
<0.342020,44.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,44.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,44.939693,-0.000000>,0.400000
<0.984808,45.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,45.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,44.939693,-0.000000>,0.400000
<0.684040,45.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,45.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,45.879387,-0.000000>,0.400000
<0.684040,46.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,46.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,45.879387,-0.000000>,0.400000
<1.026060,46.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,46.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,45.879387,-0.000000>,0.400000
<1.326828,46.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.326828,46.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,46.645432,-0.000000>,0.400000
<2.192853,47.145432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.192853,47.145432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,46.645432,-0.000000>,0.400000
<1.969615,47.411472,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.969615,47.411472,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,47.411472,-0.000000>,0.400000
<2.311636,48.351166,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.311636,48.351166,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,47.411472,-0.000000>,0.400000
<2.612403,48.177517,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.612403,48.177517,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,45.879387,-0.000000>,0.400000
<1.026060,46.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,46.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,46.819077,-0.000000>,0.400000
<1.668848,47.585121,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.668848,47.585121,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,46.819077,-0.000000>,0.400000
<1.368081,47.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,47.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,47.758770,-0.000000>,0.400000
<1.368081,48.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,48.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,47.758770,-0.000000>,0.400000
<1.710101,48.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,48.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,47.758770,-0.000000>,0.400000
<1.368081,48.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,48.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,48.758770,-0.000000>,0.400000
<1.710101,49.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,49.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,48.758770,-0.000000>,0.400000
<1.368081,49.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,49.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,49.758770,-0.000000>,0.400000
<1.026060,50.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,50.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,49.758770,-0.000000>,0.400000
<1.368081,50.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,50.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,47.758770,-0.000000>,0.400000
<1.710101,48.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,48.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,48.698463,-0.000000>,0.400000
<2.352888,49.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,49.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,48.698463,-0.000000>,0.400000
<2.052121,49.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,49.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,49.638157,-0.000000>,0.400000
<2.052121,50.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,50.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,49.638157,-0.000000>,0.400000
<2.394141,50.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,50.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,44.000000,-0.000000>,0.400000
<0.000000,45.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,45.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,45.000000,-0.000000>,0.400000
<0.342020,45.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,45.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,45.000000,-0.000000>,0.400000
<0.000000,46.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,46.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.000000,-0.000000>,0.400000
<-0.342020,46.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,46.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.000000,-0.000000>,0.400000
<0.000000,47.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,47.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.000000,-0.000000>,0.400000
<0.342020,46.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,46.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,46.939693,-0.000000>,0.400000
<0.984808,47.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,47.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,46.939693,-0.000000>,0.400000
<0.684040,47.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,47.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,47.879387,-0.000000>,0.400000
<0.684040,48.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,48.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,47.879387,-0.000000>,0.400000
<1.026060,48.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,48.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.000000,-0.000000>,0.400000
<0.000000,47.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,47.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,47.000000,-0.000000>,0.400000
<0.342020,47.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,47.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,47.000000,-0.000000>,0.400000
<0.000000,48.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,48.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.000000,-0.000000>,0.400000
<-0.342020,48.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,48.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.000000,-0.000000>,0.400000
<0.000000,49.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,49.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.000000,-0.000000>,0.400000
<-0.342020,48.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,48.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,48.939693,-0.000000>,0.400000
<-0.342020,49.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,49.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,48.939693,-0.000000>,0.400000
<-0.684040,49.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,49.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,49.879387,-0.000000>,0.400000
<-1.326828,50.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,50.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,49.879387,-0.000000>,0.400000
<-1.026060,50.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,50.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.000000,-0.000000>,0.400000
<0.000000,49.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,49.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,49.000000,-0.000000>,0.400000
<0.342020,49.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,49.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,49.000000,-0.000000>,0.400000
<0.000000,50.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,50.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.400000
<-0.342020,50.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,50.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.400000
<0.000000,51.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,51.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.000000,-0.000000>,0.400000
<-0.342020,48.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,48.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,48.939693,-0.000000>,0.400000
<-0.342020,49.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,49.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,48.939693,-0.000000>,0.400000
<-0.684040,49.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,49.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,49.879387,-0.000000>,0.400000
<-1.326828,50.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,50.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,49.879387,-0.000000>,0.400000
<-1.026060,50.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,50.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,49.879387,-0.000000>,0.400000
<-0.684040,50.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,50.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,50.879387,-0.000000>,0.400000
<-0.342020,51.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,51.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,50.879387,-0.000000>,0.400000
<-0.684040,51.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,51.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,51.879387,-0.000000>,0.400000
<-1.026060,52.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,52.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,51.879387,-0.000000>,0.400000
<-0.684040,52.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,52.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,49.879387,-0.000000>,0.400000
<-1.026060,50.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,50.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,50.819077,-0.000000>,0.400000
<-1.026060,51.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,51.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,50.819077,-0.000000>,0.400000
<-1.368081,51.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,51.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,51.758770,-0.000000>,0.400000
<-2.010868,52.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,52.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,51.758770,-0.000000>,0.400000
<-1.710101,52.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,52.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,51.758770,-0.000000>,0.400000
<-2.010868,52.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,52.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,52.524815,-0.000000>,0.400000
<-2.352888,53.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.352888,53.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,52.524815,-0.000000>,0.400000
<-2.653656,53.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.653656,53.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,53.290859,-0.000000>,0.400000
<-3.519681,53.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.519681,53.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,53.290859,-0.000000>,0.400000
<-3.296443,54.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.296443,54.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,51.758770,-0.000000>,0.400000
<-1.710101,52.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,52.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,52.698463,-0.000000>,0.400000
<-1.710101,53.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,53.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,52.698463,-0.000000>,0.400000
<-2.052121,53.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,53.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,53.638157,-0.000000>,0.400000
<-2.694908,54.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,54.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,53.638157,-0.000000>,0.400000
<-2.394141,54.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,54.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.000000,-0.000000>,0.400000
<0.000000,49.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,49.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,49.000000,-0.000000>,0.400000
<0.342020,49.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,49.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,49.000000,-0.000000>,0.400000
<0.000000,50.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,50.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.400000
<-0.342020,50.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,50.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.400000
<0.000000,51.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,51.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.400000
<0.342020,50.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,50.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,50.939693,-0.000000>,0.400000
<0.984808,51.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,51.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,50.939693,-0.000000>,0.400000
<0.684040,51.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,51.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,51.879387,-0.000000>,0.400000
<0.684040,52.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,52.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,51.879387,-0.000000>,0.400000
<1.026060,52.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,52.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.400000
<0.000000,51.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,51.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,51.000000,-0.000000>,0.400000
<0.342020,51.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,51.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,51.000000,-0.000000>,0.400000
<0.000000,52.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,52.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.000000,-0.000000>,0.400000
<-0.342020,52.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,52.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.000000,-0.000000>,0.400000
<0.000000,53.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,53.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.000000,-0.000000>,0.400000
<-0.342020,52.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,52.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,52.939693,-0.000000>,0.400000
<-0.342020,53.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,53.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,52.939693,-0.000000>,0.400000
<-0.684040,53.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,53.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,53.879387,-0.000000>,0.400000
<-1.326828,54.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,54.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,53.879387,-0.000000>,0.400000
<-1.026060,54.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,54.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.000000,-0.000000>,0.400000
<0.000000,53.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,53.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,53.000000,-0.000000>,0.400000
<0.342020,53.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,53.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,53.000000,-0.000000>,0.400000
<0.000000,54.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,54.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,54.000000,-0.000000>,0.400000
<-0.342020,54.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,54.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,54.000000,-0.000000>,0.400000
<0.000000,55.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,55.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.000000,-0.000000>,0.400000
<-0.342020,48.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,48.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,48.939693,-0.000000>,0.400000
<-0.342020,49.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,49.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,48.939693,-0.000000>,0.400000
<-0.684040,49.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,49.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,49.879387,-0.000000>,0.400000
<-1.326828,50.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,50.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,49.879387,-0.000000>,0.400000
<-1.026060,50.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,50.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,49.879387,-0.000000>,0.400000
<-0.684040,50.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,50.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,50.879387,-0.000000>,0.400000
<-0.342020,51.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,51.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,50.879387,-0.000000>,0.400000
<-0.684040,51.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,51.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,51.879387,-0.000000>,0.400000
<-1.026060,52.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,52.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,51.879387,-0.000000>,0.400000
<-0.684040,52.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,52.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,49.879387,-0.000000>,0.400000
<-1.026060,50.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,50.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,50.819077,-0.000000>,0.400000
<-1.026060,51.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,51.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,50.819077,-0.000000>,0.400000
<-1.368081,51.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,51.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,51.758770,-0.000000>,0.400000
<-2.010868,52.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,52.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,51.758770,-0.000000>,0.400000
<-1.710101,52.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,52.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,51.758770,-0.000000>,0.400000
<-2.010868,52.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,52.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,52.524815,-0.000000>,0.400000
<-2.352888,53.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.352888,53.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,52.524815,-0.000000>,0.400000
<-2.653656,53.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.653656,53.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,53.290859,-0.000000>,0.400000
<-3.519681,53.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.519681,53.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,53.290859,-0.000000>,0.400000
<-3.296443,54.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.296443,54.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,51.758770,-0.000000>,0.400000
<-1.710101,52.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,52.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,52.698463,-0.000000>,0.400000
<-1.710101,53.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,53.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,52.698463,-0.000000>,0.400000
<-2.052121,53.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,53.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,53.638157,-0.000000>,0.400000
<-2.694908,54.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,54.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,53.638157,-0.000000>,0.400000
<-2.394141,54.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,54.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,51.758770,-0.000000>,0.400000
<-1.368081,52.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,52.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,52.758770,-0.000000>,0.400000
<-1.026060,53.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,53.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,52.758770,-0.000000>,0.400000
<-1.368081,53.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,53.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,53.758770,-0.000000>,0.400000
<-1.710101,54.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,54.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,53.758770,-0.000000>,0.400000
<-1.368081,54.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,54.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,53.758770,-0.000000>,0.400000
<-1.026060,54.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,54.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,54.698463,-0.000000>,0.400000
<-0.383273,55.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.383273,55.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,54.698463,-0.000000>,0.400000
<-0.684040,55.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,55.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,55.638157,-0.000000>,0.400000
<-0.684040,56.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,56.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,55.638157,-0.000000>,0.400000
<-0.342020,56.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,56.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,53.758770,-0.000000>,0.400000
<-1.368081,54.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,54.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,54.758770,-0.000000>,0.400000
<-1.026060,55.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,55.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,54.758770,-0.000000>,0.400000
<-1.368081,55.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,55.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,55.758770,-0.000000>,0.400000
<-1.710101,56.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,56.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,55.758770,-0.000000>,0.400000
<-1.368081,56.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,56.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,55.758770,-0.000000>,0.400000
<-1.710101,56.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,56.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,56.698463,-0.000000>,0.400000
<-1.710101,57.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,57.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,56.698463,-0.000000>,0.400000
<-2.052121,57.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,57.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,57.638157,-0.000000>,0.400000
<-2.694908,58.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,58.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,57.638157,-0.000000>,0.400000
<-2.394141,58.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,58.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,55.758770,-0.000000>,0.400000
<-1.368081,56.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,56.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,56.758770,-0.000000>,0.400000
<-1.026060,57.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,57.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,56.758770,-0.000000>,0.400000
<-1.368081,57.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,57.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,57.758770,-0.000000>,0.400000
<-1.710101,58.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,58.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,57.758770,-0.000000>,0.400000
<-1.368081,58.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,58.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,51.758770,-0.000000>,0.400000
<-1.710101,52.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,52.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,52.698463,-0.000000>,0.400000
<-1.710101,53.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,53.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,52.698463,-0.000000>,0.400000
<-2.052121,53.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,53.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,53.638157,-0.000000>,0.400000
<-2.694908,54.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,54.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,53.638157,-0.000000>,0.400000
<-2.394141,54.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,54.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,53.638157,-0.000000>,0.400000
<-2.052121,54.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,54.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,54.638157,-0.000000>,0.400000
<-1.710101,55.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,55.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,54.638157,-0.000000>,0.400000
<-2.052121,55.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,55.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,55.638157,-0.000000>,0.400000
<-2.394141,56.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,56.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,55.638157,-0.000000>,0.400000
<-2.052121,56.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,56.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,53.638157,-0.000000>,0.400000
<-2.394141,54.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,54.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,54.577847,-0.000000>,0.400000
<-2.394141,55.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,55.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.394141,54.577847,-0.000000>,0.400000
<-2.736161,55.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.736161,55.517540,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,55.517540,-0.000000>,0.400000
<-3.378949,56.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.378949,56.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,55.517540,-0.000000>,0.400000
<-3.078181,56.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,56.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,55.517540,-0.000000>,0.400000
<-3.378949,56.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.378949,56.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,56.283585,-0.000000>,0.400000
<-3.720969,57.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.720969,57.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,56.283585,-0.000000>,0.400000
<-4.021736,57.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.021736,57.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,57.049629,-0.000000>,0.400000
<-4.887762,57.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.887762,57.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,57.049629,-0.000000>,0.400000
<-4.664524,57.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.664524,57.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,55.517540,-0.000000>,0.400000
<-3.078181,56.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,56.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,56.457233,-0.000000>,0.400000
<-3.078181,57.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,57.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,56.457233,-0.000000>,0.400000
<-3.420202,57.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,57.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,57.396927,-0.000000>,0.400000
<-4.062989,58.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.062989,58.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,57.396927,-0.000000>,0.400000
<-3.762222,58.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,58.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,55.517540,-0.000000>,0.400000
<-3.378949,56.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.378949,56.283585,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,56.283585,-0.000000>,0.400000
<-3.720969,57.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.720969,57.223278,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378949,56.283585,-0.000000>,0.400000
<-4.021736,57.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.021736,57.049629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,57.049629,-0.000000>,0.400000
<-4.887762,57.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.887762,57.549629,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,57.049629,-0.000000>,0.400000
<-4.664524,57.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.664524,57.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,57.049629,-0.000000>,0.400000
<-4.363757,57.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.363757,57.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.363757,57.989323,-0.000000>,0.400000
<-4.363757,58.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.363757,58.989323,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.363757,57.989323,-0.000000>,0.400000
<-4.705777,58.929016,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.705777,58.929016,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.705777,58.929016,-0.000000>,0.400000
<-5.348564,59.695061,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.348564,59.695061,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.705777,58.929016,-0.000000>,0.400000
<-5.047797,59.868710,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.047797,59.868710,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.021736,57.049629,-0.000000>,0.400000
<-4.664524,57.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.664524,57.815674,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.664524,57.815674,-0.000000>,0.400000
<-5.006544,58.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.006544,58.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.664524,57.815674,-0.000000>,0.400000
<-5.307312,58.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.307312,58.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,58.581718,-0.000000>,0.400000
<-6.173337,59.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.173337,59.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,58.581718,-0.000000>,0.400000
<-5.950099,59.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.950099,59.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,58.581718,-0.000000>,0.400000
<-6.173337,59.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.173337,59.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.173337,59.081718,-0.000000>,0.400000
<-6.816124,59.847763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.816124,59.847763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.173337,59.081718,-0.000000>,0.400000
<-7.039362,59.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.039362,59.581718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.039362,59.581718,-0.000000>,0.400000
<-8.024170,59.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.024170,59.755367,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.039362,59.581718,-0.000000>,0.400000
<-7.905388,60.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.905388,60.081718,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.307312,58.581718,-0.000000>,0.400000
<-5.950099,59.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.950099,59.347763,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.950099,59.347763,-0.000000>,0.400000
<-6.292120,60.287457,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.292120,60.287457,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.950099,59.347763,-0.000000>,0.400000
<-6.592887,60.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.592887,60.113808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.592887,60.113808,-0.000000>,0.400000
<-7.458912,60.613808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.458912,60.613808,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.592887,60.113808,-0.000000>,0.400000
<-7.235674,60.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.235674,60.879852,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.736161,55.517540,-0.000000>,0.400000
<-3.078181,56.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,56.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,56.457233,-0.000000>,0.400000
<-3.078181,57.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,57.457233,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.078181,56.457233,-0.000000>,0.400000
<-3.420202,57.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,57.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,57.396927,-0.000000>,0.400000
<-4.062989,58.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.062989,58.162971,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,57.396927,-0.000000>,0.400000
<-3.762222,58.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,58.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,57.396927,-0.000000>,0.400000
<-3.420202,58.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,58.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,58.396927,-0.000000>,0.400000
<-3.078181,59.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.078181,59.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,58.396927,-0.000000>,0.400000
<-3.420202,59.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,59.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,59.396927,-0.000000>,0.400000
<-3.762222,60.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,60.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,59.396927,-0.000000>,0.400000
<-3.420202,60.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420202,60.396927,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420202,57.396927,-0.000000>,0.400000
<-3.762222,58.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,58.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.762222,58.336620,-0.000000>,0.400000
<-3.762222,59.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.762222,59.336620,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.762222,58.336620,-0.000000>,0.400000
<-4.104242,59.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.104242,59.276310,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,59.276310,-0.000000>,0.400000
<-4.747029,60.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.747029,60.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,59.276310,-0.000000>,0.400000
<-4.446262,60.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,60.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,59.276310,-0.000000>,0.400000
<-4.747029,60.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.747029,60.042355,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.747029,60.042355,-0.000000>,0.400000
<-5.089049,60.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.089049,60.982048,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.747029,60.042355,-0.000000>,0.400000
<-5.389817,60.808399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.389817,60.808399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.389817,60.808399,-0.000000>,0.400000
<-6.255842,61.308399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.255842,61.308399,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.389817,60.808399,-0.000000>,0.400000
<-6.032605,61.574444,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.032605,61.574444,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.104242,59.276310,-0.000000>,0.400000
<-4.446262,60.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,60.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,60.216003,-0.000000>,0.400000
<-4.446262,61.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.446262,61.216003,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.446262,60.216003,-0.000000>,0.400000
<-4.788282,61.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.788282,61.155697,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,61.155697,-0.000000>,0.400000
<-5.431070,61.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.431070,61.921741,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.788282,61.155697,-0.000000>,0.400000
<-5.130302,62.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.130302,62.095390,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.000000,-0.000000>,0.400000
<0.000000,49.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,49.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,49.000000,-0.000000>,0.400000
<0.342020,49.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,49.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,49.000000,-0.000000>,0.400000
<0.000000,50.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,50.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.400000
<-0.342020,50.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,50.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.400000
<0.000000,51.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,51.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.400000
<0.342020,50.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,50.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,50.939693,-0.000000>,0.400000
<0.984808,51.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,51.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,50.939693,-0.000000>,0.400000
<0.684040,51.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,51.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,51.879387,-0.000000>,0.400000
<0.684040,52.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,52.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,51.879387,-0.000000>,0.400000
<1.026060,52.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,52.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,50.000000,-0.000000>,0.400000
<0.000000,51.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,51.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,51.000000,-0.000000>,0.400000
<0.342020,51.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,51.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,51.000000,-0.000000>,0.400000
<0.000000,52.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,52.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.000000,-0.000000>,0.400000
<-0.342020,52.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,52.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.000000,-0.000000>,0.400000
<0.000000,53.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,53.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.000000,-0.000000>,0.400000
<-0.342020,52.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,52.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,52.939693,-0.000000>,0.400000
<-0.342020,53.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,53.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,52.939693,-0.000000>,0.400000
<-0.684040,53.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,53.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,53.879387,-0.000000>,0.400000
<-1.326828,54.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,54.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,53.879387,-0.000000>,0.400000
<-1.026060,54.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,54.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.000000,-0.000000>,0.400000
<0.000000,53.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,53.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,53.000000,-0.000000>,0.400000
<0.342020,53.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,53.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,53.000000,-0.000000>,0.400000
<0.000000,54.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,54.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,54.000000,-0.000000>,0.400000
<-0.342020,54.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,54.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,54.000000,-0.000000>,0.400000
<0.000000,55.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,55.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.000000,-0.000000>,0.400000
<0.342020,52.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,52.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,52.939693,-0.000000>,0.400000
<0.984808,53.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,53.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,52.939693,-0.000000>,0.400000
<0.684040,53.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,53.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,53.879387,-0.000000>,0.400000
<0.684040,54.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,54.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,53.879387,-0.000000>,0.400000
<1.026060,54.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,54.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,53.879387,-0.000000>,0.400000
<1.326828,54.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.326828,54.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,54.645432,-0.000000>,0.400000
<2.192853,55.145432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.192853,55.145432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.326828,54.645432,-0.000000>,0.400000
<1.969615,55.411472,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.969615,55.411472,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,55.411472,-0.000000>,0.400000
<2.311636,56.351166,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.311636,56.351166,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.969615,55.411472,-0.000000>,0.400000
<2.612403,56.177517,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.612403,56.177517,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,53.879387,-0.000000>,0.400000
<1.026060,54.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,54.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,54.819077,-0.000000>,0.400000
<1.668848,55.585121,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.668848,55.585121,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.026060,54.819077,-0.000000>,0.400000
<1.368081,55.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,55.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,55.758770,-0.000000>,0.400000
<1.368081,56.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,56.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,55.758770,-0.000000>,0.400000
<1.710101,56.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,56.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,55.758770,-0.000000>,0.400000
<1.368081,56.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,56.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,56.758770,-0.000000>,0.400000
<1.710101,57.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,57.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,56.758770,-0.000000>,0.400000
<1.368081,57.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,57.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,57.758770,-0.000000>,0.400000
<1.026060,58.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,58.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,57.758770,-0.000000>,0.400000
<1.368081,58.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.368081,58.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.368081,55.758770,-0.000000>,0.400000
<1.710101,56.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.710101,56.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,56.698463,-0.000000>,0.400000
<2.352888,57.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.352888,57.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.710101,56.698463,-0.000000>,0.400000
<2.052121,57.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,57.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,57.638157,-0.000000>,0.400000
<2.052121,58.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.052121,58.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.052121,57.638157,-0.000000>,0.400000
<2.394141,58.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.394141,58.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.000000,-0.000000>,0.400000
<0.000000,53.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,53.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,53.000000,-0.000000>,0.400000
<0.342020,53.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,53.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,53.000000,-0.000000>,0.400000
<0.000000,54.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,54.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,54.000000,-0.000000>,0.400000
<-0.342020,54.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,54.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,54.000000,-0.000000>,0.400000
<0.000000,55.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,55.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,54.000000,-0.000000>,0.400000
<0.342020,54.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,54.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,54.939693,-0.000000>,0.400000
<0.984808,55.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,55.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,54.939693,-0.000000>,0.400000
<0.684040,55.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,55.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,55.879387,-0.000000>,0.400000
<0.684040,56.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,56.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,55.879387,-0.000000>,0.400000
<1.026060,56.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,56.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,54.000000,-0.000000>,0.400000
<0.000000,55.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,55.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,55.000000,-0.000000>,0.400000
<0.342020,55.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,55.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,55.000000,-0.000000>,0.400000
<0.000000,56.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,56.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,56.000000,-0.000000>,0.400000
<-0.342020,56.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,56.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,56.000000,-0.000000>,0.400000
<0.000000,57.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,57.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,56.000000,-0.000000>,0.400000
<-0.342020,56.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,56.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,56.939693,-0.000000>,0.400000
<-0.342020,57.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,57.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,56.939693,-0.000000>,0.400000
<-0.684040,57.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,57.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,57.879387,-0.000000>,0.400000
<-1.326828,58.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,58.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,57.879387,-0.000000>,0.400000
<-1.026060,58.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,58.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,56.000000,-0.000000>,0.400000
<0.000000,57.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,57.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,57.000000,-0.000000>,0.400000
<0.342020,57.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,57.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,57.000000,-0.000000>,0.400000
<0.000000,58.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,58.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,58.000000,-0.000000>,0.400000
<-0.342020,58.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,58.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,58.000000,-0.000000>,0.400000
<0.000000,59.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,59.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,56.000000,-0.000000>,0.400000
<-0.342020,56.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,56.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,56.939693,-0.000000>,0.400000
<-0.342020,57.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,57.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,56.939693,-0.000000>,0.400000
<-0.684040,57.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,57.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,57.879387,-0.000000>,0.400000
<-1.326828,58.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,58.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,57.879387,-0.000000>,0.400000
<-1.026060,58.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,58.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,57.879387,-0.000000>,0.400000
<-0.684040,58.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,58.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,58.879387,-0.000000>,0.400000
<-0.342020,59.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,59.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,58.879387,-0.000000>,0.400000
<-0.684040,59.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,59.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,59.879387,-0.000000>,0.400000
<-1.026060,60.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,60.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,59.879387,-0.000000>,0.400000
<-0.684040,60.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,60.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,57.879387,-0.000000>,0.400000
<-1.026060,58.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,58.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,58.819077,-0.000000>,0.400000
<-1.026060,59.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,59.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.026060,58.819077,-0.000000>,0.400000
<-1.368081,59.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.368081,59.758770,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,59.758770,-0.000000>,0.400000
<-2.010868,60.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,60.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,59.758770,-0.000000>,0.400000
<-1.710101,60.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,60.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,59.758770,-0.000000>,0.400000
<-2.010868,60.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.010868,60.524815,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,60.524815,-0.000000>,0.400000
<-2.352888,61.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.352888,61.464508,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.010868,60.524815,-0.000000>,0.400000
<-2.653656,61.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.653656,61.290859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,61.290859,-0.000000>,0.400000
<-3.519681,61.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.519681,61.790859,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.653656,61.290859,-0.000000>,0.400000
<-3.296443,62.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.296443,62.056904,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.368081,59.758770,-0.000000>,0.400000
<-1.710101,60.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,60.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,60.698463,-0.000000>,0.400000
<-1.710101,61.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.710101,61.698463,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.710101,60.698463,-0.000000>,0.400000
<-2.052121,61.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.052121,61.638157,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,61.638157,-0.000000>,0.400000
<-2.694908,62.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.694908,62.404202,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.052121,61.638157,-0.000000>,0.400000
<-2.394141,62.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.394141,62.577847,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,56.000000,-0.000000>,0.400000
<0.000000,57.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,57.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,57.000000,-0.000000>,0.400000
<0.342020,57.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,57.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,57.000000,-0.000000>,0.400000
<0.000000,58.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,58.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,58.000000,-0.000000>,0.400000
<-0.342020,58.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,58.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,58.000000,-0.000000>,0.400000
<0.000000,59.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,59.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,58.000000,-0.000000>,0.400000
<0.342020,58.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,58.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,58.939693,-0.000000>,0.400000
<0.984808,59.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.984808,59.705738,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342020,58.939693,-0.000000>,0.400000
<0.684040,59.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,59.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,59.879387,-0.000000>,0.400000
<0.684040,60.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.684040,60.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.684040,59.879387,-0.000000>,0.400000
<1.026060,60.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.026060,60.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,58.000000,-0.000000>,0.400000
<0.000000,59.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,59.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,59.000000,-0.000000>,0.400000
<0.342020,59.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,59.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,59.000000,-0.000000>,0.400000
<0.000000,60.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,60.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,60.000000,-0.000000>,0.400000
<-0.342020,60.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,60.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,60.000000,-0.000000>,0.400000
<0.000000,61.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,61.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,60.000000,-0.000000>,0.400000
<-0.342020,60.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,60.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,60.939693,-0.000000>,0.400000
<-0.342020,61.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,61.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.342020,60.939693,-0.000000>,0.400000
<-0.684040,61.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.684040,61.879387,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,61.879387,-0.000000>,0.400000
<-1.326828,62.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.326828,62.645432,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.684040,61.879387,-0.000000>,0.400000
<-1.026060,62.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.026060,62.819077,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,60.000000,-0.000000>,0.400000
<0.000000,61.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,61.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,61.000000,-0.000000>,0.400000
<0.342020,61.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342020,61.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,61.000000,-0.000000>,0.400000
<0.000000,62.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,62.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,62.000000,-0.000000>,0.400000
<-0.342020,62.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.342020,62.939693,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,62.000000,-0.000000>,0.400000
<0.000000,63.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,63.000000,-0.000000>,0.400000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 37.200001, 74.400002>
look_at   <0, 37.200001,  0>
}
