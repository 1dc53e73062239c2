#include "colors.inc"
light_source { <132.796524, 132.796524, 132.796524> color White}

cone {
<0.000000,0.000000,-0.000000>,0.100000
<0.000000,1.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,1.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,1.000000,-0.000000>,0.350000
<0.000000,2.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,2.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,2.000000,-0.000000>,0.350000
<-0.707107,2.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,2.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,2.707107,-0.000000>,0.350000
<-1.089790,3.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,3.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,3.630986,-0.000000>,0.350000
<-1.089790,4.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,4.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,2.000000,-0.000000>,0.350000
<0.382683,2.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,2.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,2.923880,-0.000000>,0.350000
<0.382683,3.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,3.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,3.923880,-0.000000>,0.350000
<0.000000,4.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,4.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,2.000000,-0.000000>,0.350000
<0.000000,3.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,3.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,3.000000,-0.000000>,0.350000
<0.000000,4.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,4.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.350000
<-0.707107,4.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,4.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,4.707107,-0.000000>,0.350000
<-1.089790,5.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,5.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,5.630986,-0.000000>,0.350000
<-1.089790,6.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,6.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.350000
<0.382683,4.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,4.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,4.923880,-0.000000>,0.350000
<0.382683,5.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,5.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,5.923880,-0.000000>,0.350000
<0.000000,6.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,6.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.350000
<-0.707107,4.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,4.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,4.707107,-0.000000>,0.350000
<-1.414214,5.414214,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.414214,5.414214,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,5.414214,-0.000000>,0.350000
<-2.414214,5.414214,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.414214,5.414214,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.414214,5.414214,-0.000000>,0.350000
<-3.338093,5.796897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.338093,5.796897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.338093,5.796897,-0.000000>,0.350000
<-4.045200,6.504004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.045200,6.504004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,5.414214,-0.000000>,0.350000
<-1.796897,6.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,6.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,6.338093,-0.000000>,0.350000
<-2.504004,7.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.504004,7.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.504004,7.045200,-0.000000>,0.350000
<-3.427883,7.427883,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.427883,7.427883,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,5.414214,-0.000000>,0.350000
<-1.796897,6.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,6.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,6.338093,-0.000000>,0.350000
<-2.179580,7.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,7.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,7.261972,-0.000000>,0.350000
<-3.103460,7.644656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.103460,7.644656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.103460,7.644656,-0.000000>,0.350000
<-3.810567,8.351763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.810567,8.351763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.810567,8.351763,-0.000000>,0.350000
<-4.193250,9.275642,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.193250,9.275642,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,7.261972,-0.000000>,0.350000
<-2.179580,8.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,8.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,8.261972,-0.000000>,0.350000
<-2.562264,9.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,9.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,9.185852,-0.000000>,0.350000
<-3.269371,9.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,9.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,7.261972,-0.000000>,0.350000
<-2.179580,8.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,8.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,8.261972,-0.000000>,0.350000
<-2.179580,9.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,9.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,9.261972,-0.000000>,0.350000
<-2.886687,9.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.886687,9.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.886687,9.969079,-0.000000>,0.350000
<-3.269371,10.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,10.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.269371,10.892959,-0.000000>,0.350000
<-3.269371,11.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,11.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,9.261972,-0.000000>,0.350000
<-1.796897,10.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,10.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,10.185852,-0.000000>,0.350000
<-1.796897,11.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,11.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,11.185852,-0.000000>,0.350000
<-2.179580,12.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,12.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.350000
<0.382683,4.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,4.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,4.923880,-0.000000>,0.350000
<0.765367,5.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,5.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,5.847759,-0.000000>,0.350000
<0.382683,6.771638,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,6.771638,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,6.771638,-0.000000>,0.350000
<0.382683,7.771638,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,7.771638,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,7.771638,-0.000000>,0.350000
<0.765367,8.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,8.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,5.847759,-0.000000>,0.350000
<1.472474,6.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.472474,6.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,6.554866,-0.000000>,0.350000
<1.855157,7.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,7.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,7.478745,-0.000000>,0.350000
<1.855157,8.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,8.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,5.847759,-0.000000>,0.350000
<0.765367,6.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,6.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,6.847759,-0.000000>,0.350000
<0.765367,7.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,7.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,7.847759,-0.000000>,0.350000
<0.058260,8.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.058260,8.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.058260,8.554866,-0.000000>,0.350000
<-0.324423,9.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,9.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.324423,9.478745,-0.000000>,0.350000
<-0.324423,10.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,10.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,7.847759,-0.000000>,0.350000
<1.148050,8.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,8.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,8.771639,-0.000000>,0.350000
<1.148050,9.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,9.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,9.771639,-0.000000>,0.350000
<0.765367,10.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,10.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,7.847759,-0.000000>,0.350000
<0.382683,8.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,8.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,8.771639,-0.000000>,0.350000
<0.000000,9.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,9.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.695518,-0.000000>,0.350000
<-0.923880,10.078201,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.923880,10.078201,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.923880,10.078201,-0.000000>,0.350000
<-1.630986,10.785308,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.630986,10.785308,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.630986,10.785308,-0.000000>,0.350000
<-2.013670,11.709188,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.013670,11.709188,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.695518,-0.000000>,0.350000
<0.000000,10.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.695518,-0.000000>,0.350000
<-0.382683,11.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,11.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,11.619398,-0.000000>,0.350000
<-1.089790,12.326505,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,12.326505,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.350000
<0.000000,5.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,5.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.350000
<0.000000,6.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,6.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.350000
<-0.707107,6.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,6.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,6.707107,-0.000000>,0.350000
<-1.089790,7.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,7.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,7.630986,-0.000000>,0.350000
<-1.089790,8.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,8.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.350000
<0.382683,6.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,6.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,6.923880,-0.000000>,0.350000
<0.382683,7.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,7.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,7.923880,-0.000000>,0.350000
<0.000000,8.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,8.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.350000
<0.000000,7.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,7.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,7.000000,-0.000000>,0.350000
<0.000000,8.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,8.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.350000
<-0.707107,8.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,8.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,8.707107,-0.000000>,0.350000
<-1.089790,9.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,9.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,9.630986,-0.000000>,0.350000
<-1.089790,10.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,10.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.350000
<0.382683,8.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,8.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,8.923880,-0.000000>,0.350000
<0.382683,9.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,9.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,9.923880,-0.000000>,0.350000
<0.000000,10.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.350000
<-0.707107,8.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,8.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,8.707107,-0.000000>,0.350000
<-1.414214,9.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.414214,9.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,9.414213,-0.000000>,0.350000
<-2.414214,9.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.414214,9.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.414214,9.414213,-0.000000>,0.350000
<-3.338093,9.796897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.338093,9.796897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.338093,9.796897,-0.000000>,0.350000
<-4.045200,10.504004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.045200,10.504004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,9.414213,-0.000000>,0.350000
<-1.796897,10.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,10.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,10.338093,-0.000000>,0.350000
<-2.504004,11.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.504004,11.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.504004,11.045200,-0.000000>,0.350000
<-3.427883,11.427883,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.427883,11.427883,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,9.414213,-0.000000>,0.350000
<-1.796897,10.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,10.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,10.338093,-0.000000>,0.350000
<-2.179580,11.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,11.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,11.261972,-0.000000>,0.350000
<-3.103460,11.644656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.103460,11.644656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.103460,11.644656,-0.000000>,0.350000
<-3.810567,12.351763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.810567,12.351763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.810567,12.351763,-0.000000>,0.350000
<-4.193250,13.275642,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.193250,13.275642,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,11.261972,-0.000000>,0.350000
<-2.179580,12.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,12.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,12.261972,-0.000000>,0.350000
<-2.562264,13.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,13.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,13.185852,-0.000000>,0.350000
<-3.269371,13.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,13.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,11.261972,-0.000000>,0.350000
<-2.179580,12.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,12.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,12.261972,-0.000000>,0.350000
<-2.179580,13.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,13.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,13.261972,-0.000000>,0.350000
<-2.886687,13.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.886687,13.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.886687,13.969079,-0.000000>,0.350000
<-3.269371,14.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,14.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.269371,14.892959,-0.000000>,0.350000
<-3.269371,15.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,15.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,13.261972,-0.000000>,0.350000
<-1.796897,14.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,14.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,14.185852,-0.000000>,0.350000
<-1.796897,15.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,15.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,15.185852,-0.000000>,0.350000
<-2.179580,16.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,16.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.350000
<0.382683,8.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,8.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,8.923880,-0.000000>,0.350000
<0.765367,9.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,9.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,9.847759,-0.000000>,0.350000
<0.382683,10.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,10.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,10.771639,-0.000000>,0.350000
<0.382683,11.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,11.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,11.771639,-0.000000>,0.350000
<0.765367,12.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,12.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,9.847759,-0.000000>,0.350000
<1.472474,10.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.472474,10.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,10.554866,-0.000000>,0.350000
<1.855157,11.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,11.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,11.478745,-0.000000>,0.350000
<1.855157,12.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,12.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,9.847759,-0.000000>,0.350000
<0.765367,10.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,10.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,10.847759,-0.000000>,0.350000
<0.765367,11.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,11.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,11.847759,-0.000000>,0.350000
<0.058260,12.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.058260,12.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.058260,12.554866,-0.000000>,0.350000
<-0.324423,13.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,13.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.324423,13.478745,-0.000000>,0.350000
<-0.324423,14.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,14.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,11.847759,-0.000000>,0.350000
<1.148050,12.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,12.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,12.771639,-0.000000>,0.350000
<1.148050,13.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,13.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,13.771639,-0.000000>,0.350000
<0.765367,14.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,14.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,11.847759,-0.000000>,0.350000
<0.382683,12.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,12.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,12.771639,-0.000000>,0.350000
<0.000000,13.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.695518,-0.000000>,0.350000
<-0.923880,14.078201,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.923880,14.078201,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.923880,14.078201,-0.000000>,0.350000
<-1.630986,14.785308,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.630986,14.785308,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.630986,14.785308,-0.000000>,0.350000
<-2.013670,15.709188,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.013670,15.709188,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.695518,-0.000000>,0.350000
<0.000000,14.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,14.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.695518,-0.000000>,0.350000
<-0.382683,15.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,15.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,15.619398,-0.000000>,0.350000
<-1.089790,16.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,16.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.350000
<-0.707107,8.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,8.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,8.707107,-0.000000>,0.350000
<-1.414214,9.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.414214,9.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,9.414213,-0.000000>,0.350000
<-2.414214,9.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.414214,9.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.414214,9.414213,-0.000000>,0.350000
<-3.338093,9.796897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.338093,9.796897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.338093,9.796897,-0.000000>,0.350000
<-4.045200,10.504004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.045200,10.504004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,9.414213,-0.000000>,0.350000
<-1.796897,10.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,10.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,10.338093,-0.000000>,0.350000
<-2.504004,11.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.504004,11.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.504004,11.045200,-0.000000>,0.350000
<-3.427883,11.427883,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.427883,11.427883,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,9.414213,-0.000000>,0.350000
<-2.121320,10.121321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.121320,10.121321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.121320,10.121321,-0.000000>,0.350000
<-2.828427,10.828427,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.828427,10.828427,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.828427,10.828427,-0.000000>,0.350000
<-3.828427,10.828427,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.828427,10.828427,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.828427,10.828427,-0.000000>,0.350000
<-4.752306,11.211110,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.752306,11.211110,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.752306,11.211110,-0.000000>,0.350000
<-5.459414,11.918218,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.459414,11.918218,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.828427,10.828427,-0.000000>,0.350000
<-3.211111,11.752307,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.211111,11.752307,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.211111,11.752307,-0.000000>,0.350000
<-3.918217,12.459414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.918217,12.459414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.918217,12.459414,-0.000000>,0.350000
<-4.842097,12.842097,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.842097,12.842097,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.828427,10.828427,-0.000000>,0.350000
<-3.828427,10.828427,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.828427,10.828427,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.828427,10.828427,-0.000000>,0.350000
<-4.828427,10.828427,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.828427,10.828427,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.828427,10.828427,-0.000000>,0.350000
<-5.535534,10.121321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.535534,10.121321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.535534,10.121321,-0.000000>,0.350000
<-6.459414,9.738637,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.459414,9.738637,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.459414,9.738637,-0.000000>,0.350000
<-7.459414,9.738637,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.459414,9.738637,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.828427,10.828427,-0.000000>,0.350000
<-5.752306,11.211110,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.752306,11.211110,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.752306,11.211110,-0.000000>,0.350000
<-6.752306,11.211110,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.752306,11.211110,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.752306,11.211110,-0.000000>,0.350000
<-7.676186,10.828427,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.676186,10.828427,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.828427,10.828427,-0.000000>,0.350000
<-5.752306,11.211110,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.752306,11.211110,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.752306,11.211110,-0.000000>,0.350000
<-6.676186,11.593794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.676186,11.593794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.676186,11.593794,-0.000000>,0.350000
<-7.600066,11.211110,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.600066,11.211110,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.600066,11.211110,-0.000000>,0.350000
<-8.600066,11.211110,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.600066,11.211110,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.600066,11.211110,-0.000000>,0.350000
<-9.523945,11.593794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.523945,11.593794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.676186,11.593794,-0.000000>,0.350000
<-7.383293,12.300900,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.383293,12.300900,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.383293,12.300900,-0.000000>,0.350000
<-8.307173,12.683584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.307173,12.683584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.307173,12.683584,-0.000000>,0.350000
<-9.307173,12.683584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.307173,12.683584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.676186,11.593794,-0.000000>,0.350000
<-7.383293,12.300900,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.383293,12.300900,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.383293,12.300900,-0.000000>,0.350000
<-8.090400,13.008008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.090400,13.008008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.090400,13.008008,-0.000000>,0.350000
<-9.090400,13.008008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.090400,13.008008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.090400,13.008008,-0.000000>,0.350000
<-10.014279,13.390691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.014279,13.390691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.014279,13.390691,-0.000000>,0.350000
<-10.721386,14.097797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.721386,14.097797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.090400,13.008008,-0.000000>,0.350000
<-8.473083,13.931887,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.473083,13.931887,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.473083,13.931887,-0.000000>,0.350000
<-9.180190,14.638994,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.180190,14.638994,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.180190,14.638994,-0.000000>,0.350000
<-10.104070,15.021677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.104070,15.021677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.828427,10.828427,-0.000000>,0.350000
<-3.211111,11.752307,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.211111,11.752307,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.211111,11.752307,-0.000000>,0.350000
<-3.593794,12.676187,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,12.676187,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,12.676187,-0.000000>,0.350000
<-4.517673,13.058869,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.517673,13.058869,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.517673,13.058869,-0.000000>,0.350000
<-5.224780,13.765976,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.224780,13.765976,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.224780,13.765976,-0.000000>,0.350000
<-5.607464,14.689856,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.607464,14.689856,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,12.676187,-0.000000>,0.350000
<-3.593794,13.676187,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,13.676187,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,13.676187,-0.000000>,0.350000
<-3.976477,14.600066,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,14.600066,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,14.600066,-0.000000>,0.350000
<-4.683584,15.307173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.683584,15.307173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,12.676187,-0.000000>,0.350000
<-4.300901,13.383293,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.300901,13.383293,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.300901,13.383293,-0.000000>,0.350000
<-5.008008,14.090400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.008008,14.090400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,14.090400,-0.000000>,0.350000
<-6.008008,14.090400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.008008,14.090400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.008008,14.090400,-0.000000>,0.350000
<-6.931887,14.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.931887,14.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.931887,14.473083,-0.000000>,0.350000
<-7.638994,15.180190,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.638994,15.180190,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,14.090400,-0.000000>,0.350000
<-5.390691,15.014279,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.390691,15.014279,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.390691,15.014279,-0.000000>,0.350000
<-6.097798,15.721386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.097798,15.721386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.097798,15.721386,-0.000000>,0.350000
<-7.021677,16.104069,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.021677,16.104069,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,14.090400,-0.000000>,0.350000
<-5.931887,14.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.931887,14.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.931887,14.473083,-0.000000>,0.350000
<-6.855767,14.855766,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.855767,14.855766,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.855767,14.855766,-0.000000>,0.350000
<-7.779646,14.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.779646,14.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.779646,14.473083,-0.000000>,0.350000
<-8.779646,14.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.779646,14.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.779646,14.473083,-0.000000>,0.350000
<-9.703526,14.855766,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.703526,14.855766,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.855767,14.855766,-0.000000>,0.350000
<-7.562873,15.562874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.562873,15.562874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.562873,15.562874,-0.000000>,0.350000
<-8.486753,15.945557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.486753,15.945557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.486753,15.945557,-0.000000>,0.350000
<-9.486753,15.945557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.486753,15.945557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.828427,10.828427,-0.000000>,0.350000
<-3.211111,11.752307,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.211111,11.752307,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.211111,11.752307,-0.000000>,0.350000
<-3.593794,12.676187,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,12.676187,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,12.676187,-0.000000>,0.350000
<-4.517673,13.058869,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.517673,13.058869,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.517673,13.058869,-0.000000>,0.350000
<-5.224780,13.765976,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.224780,13.765976,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.224780,13.765976,-0.000000>,0.350000
<-5.607464,14.689856,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.607464,14.689856,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,12.676187,-0.000000>,0.350000
<-3.593794,13.676187,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,13.676187,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,13.676187,-0.000000>,0.350000
<-3.976477,14.600066,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,14.600066,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,14.600066,-0.000000>,0.350000
<-4.683584,15.307173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.683584,15.307173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,12.676187,-0.000000>,0.350000
<-3.976477,13.600066,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,13.600066,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,13.600066,-0.000000>,0.350000
<-4.359161,14.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,14.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,14.523945,-0.000000>,0.350000
<-5.283041,14.906629,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.283041,14.906629,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.283041,14.906629,-0.000000>,0.350000
<-5.990147,15.613735,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.990147,15.613735,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.990147,15.613735,-0.000000>,0.350000
<-6.372830,16.537615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.372830,16.537615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,14.523945,-0.000000>,0.350000
<-4.359161,15.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,15.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,15.523945,-0.000000>,0.350000
<-4.741844,16.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.741844,16.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.741844,16.447824,-0.000000>,0.350000
<-5.448951,17.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,17.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,14.523945,-0.000000>,0.350000
<-5.283041,14.906629,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.283041,14.906629,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.283041,14.906629,-0.000000>,0.350000
<-6.206920,15.289312,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.206920,15.289312,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.206920,15.289312,-0.000000>,0.350000
<-7.130799,14.906629,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.130799,14.906629,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.130799,14.906629,-0.000000>,0.350000
<-8.130799,14.906629,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.130799,14.906629,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.130799,14.906629,-0.000000>,0.350000
<-9.054679,15.289312,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.054679,15.289312,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.206920,15.289312,-0.000000>,0.350000
<-6.914027,15.996419,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.914027,15.996419,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.914027,15.996419,-0.000000>,0.350000
<-7.837906,16.379103,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.837906,16.379103,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.837906,16.379103,-0.000000>,0.350000
<-8.837906,16.379103,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.837906,16.379103,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.206920,15.289312,-0.000000>,0.350000
<-6.914027,15.996419,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.914027,15.996419,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.914027,15.996419,-0.000000>,0.350000
<-7.621133,16.703526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.621133,16.703526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.621133,16.703526,-0.000000>,0.350000
<-8.621134,16.703526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.621134,16.703526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.621134,16.703526,-0.000000>,0.350000
<-9.545013,17.086208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.545013,17.086208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.545013,17.086208,-0.000000>,0.350000
<-10.252120,17.793316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.252120,17.793316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.621133,16.703526,-0.000000>,0.350000
<-8.003817,17.627405,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.003817,17.627405,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.003817,17.627405,-0.000000>,0.350000
<-8.710924,18.334513,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.710924,18.334513,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.710924,18.334513,-0.000000>,0.350000
<-9.634803,18.717196,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.634803,18.717196,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.621133,16.703526,-0.000000>,0.350000
<-8.003817,17.627405,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.003817,17.627405,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.003817,17.627405,-0.000000>,0.350000
<-8.386500,18.551285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.386500,18.551285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.386500,18.551285,-0.000000>,0.350000
<-9.310380,18.933968,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.310380,18.933968,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.310380,18.933968,-0.000000>,0.350000
<-10.017487,19.641075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.017487,19.641075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.017487,19.641075,-0.000000>,0.350000
<-10.400170,20.564955,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.400170,20.564955,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.386500,18.551285,-0.000000>,0.350000
<-8.386500,19.551285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.386500,19.551285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.386500,19.551285,-0.000000>,0.350000
<-8.769184,20.475164,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.769184,20.475164,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.769184,20.475164,-0.000000>,0.350000
<-9.476291,21.182272,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.476291,21.182272,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,14.523945,-0.000000>,0.350000
<-4.359161,15.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,15.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,15.523945,-0.000000>,0.350000
<-4.359161,16.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,16.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,16.523945,-0.000000>,0.350000
<-5.066267,17.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.066267,17.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.066267,17.231052,-0.000000>,0.350000
<-5.448951,18.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,18.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.448951,18.154932,-0.000000>,0.350000
<-5.448951,19.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,19.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,16.523945,-0.000000>,0.350000
<-3.976477,17.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,17.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,17.447824,-0.000000>,0.350000
<-3.976477,18.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,18.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,18.447824,-0.000000>,0.350000
<-4.359161,19.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,19.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,16.523945,-0.000000>,0.350000
<-4.741844,17.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.741844,17.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.741844,17.447824,-0.000000>,0.350000
<-5.124528,18.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.124528,18.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,18.371704,-0.000000>,0.350000
<-6.048407,18.754387,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.048407,18.754387,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.048407,18.754387,-0.000000>,0.350000
<-6.755514,19.461494,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.755514,19.461494,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.755514,19.461494,-0.000000>,0.350000
<-7.138197,20.385374,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.138197,20.385374,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,18.371704,-0.000000>,0.350000
<-5.124528,19.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.124528,19.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,19.371704,-0.000000>,0.350000
<-5.507211,20.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.507211,20.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.507211,20.295584,-0.000000>,0.350000
<-6.214318,21.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.214318,21.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,18.371704,-0.000000>,0.350000
<-5.831635,19.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.831635,19.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.831635,19.078812,-0.000000>,0.350000
<-6.538741,19.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.538741,19.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,19.785917,-0.000000>,0.350000
<-7.538741,19.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.538741,19.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.538741,19.785917,-0.000000>,0.350000
<-8.462621,20.168602,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.462621,20.168602,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.462621,20.168602,-0.000000>,0.350000
<-9.169727,20.875708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.169727,20.875708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,19.785917,-0.000000>,0.350000
<-6.921425,20.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.921425,20.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.921425,20.709797,-0.000000>,0.350000
<-7.628531,21.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.628531,21.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.628531,21.416904,-0.000000>,0.350000
<-8.552411,21.799587,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.552411,21.799587,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,14.523945,-0.000000>,0.350000
<-4.359161,15.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,15.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,15.523945,-0.000000>,0.350000
<-4.359161,16.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,16.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,16.523945,-0.000000>,0.350000
<-5.066267,17.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.066267,17.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.066267,17.231052,-0.000000>,0.350000
<-5.448951,18.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,18.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.448951,18.154932,-0.000000>,0.350000
<-5.448951,19.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,19.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,16.523945,-0.000000>,0.350000
<-3.976477,17.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,17.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,17.447824,-0.000000>,0.350000
<-3.976477,18.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,18.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,18.447824,-0.000000>,0.350000
<-4.359161,19.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,19.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,16.523945,-0.000000>,0.350000
<-4.359161,17.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,17.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,17.523945,-0.000000>,0.350000
<-4.359161,18.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,18.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,18.523945,-0.000000>,0.350000
<-5.066267,19.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.066267,19.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.066267,19.231052,-0.000000>,0.350000
<-5.448951,20.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,20.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.448951,20.154932,-0.000000>,0.350000
<-5.448951,21.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,21.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,18.523945,-0.000000>,0.350000
<-3.976477,19.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,19.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,19.447824,-0.000000>,0.350000
<-3.976477,20.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,20.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,20.447824,-0.000000>,0.350000
<-4.359161,21.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,21.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,18.523945,-0.000000>,0.350000
<-5.066267,19.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.066267,19.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.066267,19.231052,-0.000000>,0.350000
<-5.773375,19.938158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.773375,19.938158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.773375,19.938158,-0.000000>,0.350000
<-6.773375,19.938158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.773375,19.938158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.773375,19.938158,-0.000000>,0.350000
<-7.697254,20.320843,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.697254,20.320843,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.697254,20.320843,-0.000000>,0.350000
<-8.404361,21.027948,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.404361,21.027948,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.773375,19.938158,-0.000000>,0.350000
<-6.156058,20.862038,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156058,20.862038,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156058,20.862038,-0.000000>,0.350000
<-6.863164,21.569145,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.863164,21.569145,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.863164,21.569145,-0.000000>,0.350000
<-7.787044,21.951828,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.787044,21.951828,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.773375,19.938158,-0.000000>,0.350000
<-6.156058,20.862038,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156058,20.862038,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156058,20.862038,-0.000000>,0.350000
<-6.538741,21.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.538741,21.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,21.785917,-0.000000>,0.350000
<-7.462621,22.168602,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.462621,22.168602,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.462621,22.168602,-0.000000>,0.350000
<-8.169727,22.875708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.169727,22.875708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.169727,22.875708,-0.000000>,0.350000
<-8.552411,23.799587,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.552411,23.799587,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,21.785917,-0.000000>,0.350000
<-6.538741,22.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.538741,22.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,22.785917,-0.000000>,0.350000
<-6.921425,23.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.921425,23.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.921425,23.709797,-0.000000>,0.350000
<-7.628531,24.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.628531,24.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,21.785917,-0.000000>,0.350000
<-6.538741,22.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.538741,22.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,22.785917,-0.000000>,0.350000
<-6.538741,23.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.538741,23.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,23.785917,-0.000000>,0.350000
<-7.245848,24.493025,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.245848,24.493025,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.245848,24.493025,-0.000000>,0.350000
<-7.628531,25.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.628531,25.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.628531,25.416904,-0.000000>,0.350000
<-7.628531,26.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.628531,26.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,23.785917,-0.000000>,0.350000
<-6.156058,24.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156058,24.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156058,24.709797,-0.000000>,0.350000
<-6.156058,25.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156058,25.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156058,25.709797,-0.000000>,0.350000
<-6.538741,26.633677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.538741,26.633677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,18.523945,-0.000000>,0.350000
<-3.976477,19.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,19.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,19.447824,-0.000000>,0.350000
<-3.593794,20.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,20.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,20.371704,-0.000000>,0.350000
<-3.976477,21.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,21.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,21.295584,-0.000000>,0.350000
<-3.976477,22.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,22.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,22.295584,-0.000000>,0.350000
<-3.593794,23.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,23.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,20.371704,-0.000000>,0.350000
<-2.886687,21.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.886687,21.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.886687,21.078812,-0.000000>,0.350000
<-2.504004,22.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.504004,22.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.504004,22.002691,-0.000000>,0.350000
<-2.504004,23.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.504004,23.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,20.371704,-0.000000>,0.350000
<-3.593794,21.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,21.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,21.371704,-0.000000>,0.350000
<-3.593794,22.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,22.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,22.371704,-0.000000>,0.350000
<-4.300901,23.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.300901,23.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.300901,23.078812,-0.000000>,0.350000
<-4.683584,24.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.683584,24.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.683584,24.002691,-0.000000>,0.350000
<-4.683584,25.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.683584,25.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,22.371704,-0.000000>,0.350000
<-3.211111,23.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.211111,23.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.211111,23.295584,-0.000000>,0.350000
<-3.211111,24.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.211111,24.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.211111,24.295584,-0.000000>,0.350000
<-3.593794,25.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,25.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,22.371704,-0.000000>,0.350000
<-3.976477,23.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,23.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,23.295584,-0.000000>,0.350000
<-4.359161,24.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,24.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,24.219463,-0.000000>,0.350000
<-5.283041,24.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.283041,24.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.283041,24.602146,-0.000000>,0.350000
<-5.990147,25.309254,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.990147,25.309254,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.990147,25.309254,-0.000000>,0.350000
<-6.372830,26.233133,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.372830,26.233133,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,24.219463,-0.000000>,0.350000
<-4.359161,25.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,25.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,25.219463,-0.000000>,0.350000
<-4.741844,26.143343,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.741844,26.143343,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.741844,26.143343,-0.000000>,0.350000
<-5.448951,26.850451,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,26.850451,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.350000
<0.382683,8.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,8.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,8.923880,-0.000000>,0.350000
<0.765367,9.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,9.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,9.847759,-0.000000>,0.350000
<0.382683,10.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,10.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,10.771639,-0.000000>,0.350000
<0.382683,11.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,11.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,11.771639,-0.000000>,0.350000
<0.765367,12.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,12.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,9.847759,-0.000000>,0.350000
<1.472474,10.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.472474,10.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,10.554866,-0.000000>,0.350000
<1.855157,11.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,11.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,11.478745,-0.000000>,0.350000
<1.855157,12.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,12.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,9.847759,-0.000000>,0.350000
<1.148050,10.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,10.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,10.771639,-0.000000>,0.350000
<1.530734,11.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,11.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,11.695518,-0.000000>,0.350000
<1.148050,12.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,12.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,12.619398,-0.000000>,0.350000
<1.148050,13.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,13.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,13.619398,-0.000000>,0.350000
<1.530734,14.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,14.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,11.695518,-0.000000>,0.350000
<2.237840,12.402625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,12.402625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,12.402625,-0.000000>,0.350000
<2.620524,13.326505,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,13.326505,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.620524,13.326505,-0.000000>,0.350000
<2.620524,14.326505,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,14.326505,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,11.695518,-0.000000>,0.350000
<1.148050,12.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,12.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,12.619398,-0.000000>,0.350000
<0.765367,13.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,13.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,13.543277,-0.000000>,0.350000
<-0.158513,13.925961,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.158513,13.925961,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.158513,13.925961,-0.000000>,0.350000
<-0.865619,14.633067,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.865619,14.633067,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.865619,14.633067,-0.000000>,0.350000
<-1.248303,15.556947,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.248303,15.556947,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,13.543277,-0.000000>,0.350000
<0.765367,14.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,14.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,14.543277,-0.000000>,0.350000
<0.382683,15.467156,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,15.467156,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,15.467156,-0.000000>,0.350000
<-0.324423,16.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,16.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,13.543277,-0.000000>,0.350000
<0.765367,14.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,14.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,14.543277,-0.000000>,0.350000
<0.765367,15.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,15.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,15.543277,-0.000000>,0.350000
<0.058260,16.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.058260,16.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.058260,16.250383,-0.000000>,0.350000
<-0.324423,17.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,17.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.324423,17.174263,-0.000000>,0.350000
<-0.324423,18.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,18.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,15.543277,-0.000000>,0.350000
<1.148050,16.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,16.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,16.467157,-0.000000>,0.350000
<1.148050,17.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,17.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,17.467157,-0.000000>,0.350000
<0.765367,18.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,18.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,15.543277,-0.000000>,0.350000
<1.148050,16.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,16.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,16.467157,-0.000000>,0.350000
<1.530734,17.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,17.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,17.391037,-0.000000>,0.350000
<1.148050,18.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,18.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,18.314917,-0.000000>,0.350000
<1.148050,19.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,19.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,19.314917,-0.000000>,0.350000
<1.530734,20.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,20.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,17.391037,-0.000000>,0.350000
<2.237840,18.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,18.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,18.098143,-0.000000>,0.350000
<2.620524,19.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,19.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.620524,19.022022,-0.000000>,0.350000
<2.620524,20.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,20.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,11.695518,-0.000000>,0.350000
<2.237840,12.402625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,12.402625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,12.402625,-0.000000>,0.350000
<2.944947,13.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,13.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,13.109732,-0.000000>,0.350000
<2.944947,14.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,14.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,14.109732,-0.000000>,0.350000
<3.327631,15.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,15.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,15.033611,-0.000000>,0.350000
<4.034738,15.740718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.034738,15.740718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,13.109732,-0.000000>,0.350000
<3.868827,13.492415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.868827,13.492415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.868827,13.492415,-0.000000>,0.350000
<4.575933,14.199522,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.575933,14.199522,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.575933,14.199522,-0.000000>,0.350000
<4.958617,15.123402,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.958617,15.123402,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,13.109732,-0.000000>,0.350000
<3.327631,14.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,14.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,14.033611,-0.000000>,0.350000
<3.710314,14.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,14.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,14.957491,-0.000000>,0.350000
<3.327631,15.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,15.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,15.881371,-0.000000>,0.350000
<3.327631,16.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,16.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,16.881371,-0.000000>,0.350000
<3.710314,17.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,17.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,14.957491,-0.000000>,0.350000
<4.417421,15.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.417421,15.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.417421,15.664598,-0.000000>,0.350000
<4.800104,16.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.800104,16.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.800104,16.588476,-0.000000>,0.350000
<4.800104,17.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.800104,17.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,14.957491,-0.000000>,0.350000
<3.710314,15.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,15.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,15.957491,-0.000000>,0.350000
<3.710314,16.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,16.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,16.957491,-0.000000>,0.350000
<3.003207,17.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,17.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,17.664598,-0.000000>,0.350000
<2.620524,18.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,18.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.620524,18.588476,-0.000000>,0.350000
<2.620524,19.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,19.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,16.957491,-0.000000>,0.350000
<4.092998,17.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,17.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,17.881371,-0.000000>,0.350000
<4.092998,18.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,18.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,18.881371,-0.000000>,0.350000
<3.710314,19.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,19.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,11.695518,-0.000000>,0.350000
<1.530734,12.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,12.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,12.695518,-0.000000>,0.350000
<1.530734,13.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,13.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,13.695518,-0.000000>,0.350000
<0.823627,14.402625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.823627,14.402625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.823627,14.402625,-0.000000>,0.350000
<0.440944,15.326505,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,15.326505,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.440944,15.326505,-0.000000>,0.350000
<0.440944,16.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,16.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,13.695518,-0.000000>,0.350000
<1.913417,14.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,14.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,14.619398,-0.000000>,0.350000
<1.913417,15.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,15.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,15.619398,-0.000000>,0.350000
<1.530734,16.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,16.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,13.695518,-0.000000>,0.350000
<1.530734,14.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,14.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,14.695518,-0.000000>,0.350000
<1.530734,15.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,15.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,15.695518,-0.000000>,0.350000
<0.823627,16.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.823627,16.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.823627,16.402624,-0.000000>,0.350000
<0.440944,17.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,17.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.440944,17.326504,-0.000000>,0.350000
<0.440944,18.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,18.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,15.695518,-0.000000>,0.350000
<1.913417,16.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,16.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,16.619398,-0.000000>,0.350000
<1.913417,17.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,17.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,17.619398,-0.000000>,0.350000
<1.530734,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,15.695518,-0.000000>,0.350000
<0.823627,16.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.823627,16.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.823627,16.402624,-0.000000>,0.350000
<0.116520,17.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.116520,17.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.116520,17.109732,-0.000000>,0.350000
<-0.883480,17.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.883480,17.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.883480,17.109732,-0.000000>,0.350000
<-1.807359,17.492414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.807359,17.492414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.807359,17.492414,-0.000000>,0.350000
<-2.514466,18.199522,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.514466,18.199522,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.116520,17.109732,-0.000000>,0.350000
<-0.266163,18.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.266163,18.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,18.033611,-0.000000>,0.350000
<-0.973270,18.740719,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.973270,18.740719,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.973270,18.740719,-0.000000>,0.350000
<-1.897150,19.123402,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.897150,19.123402,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.116520,17.109732,-0.000000>,0.350000
<-0.266163,18.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.266163,18.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,18.033611,-0.000000>,0.350000
<-0.648847,18.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,18.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,18.957491,-0.000000>,0.350000
<-1.572726,19.340174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.572726,19.340174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.572726,19.340174,-0.000000>,0.350000
<-2.279833,20.047281,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.279833,20.047281,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.279833,20.047281,-0.000000>,0.350000
<-2.662516,20.971161,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.662516,20.971161,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,18.957491,-0.000000>,0.350000
<-0.648847,19.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,19.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,19.957491,-0.000000>,0.350000
<-1.031530,20.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.031530,20.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.031530,20.881371,-0.000000>,0.350000
<-1.738637,21.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.738637,21.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,18.957491,-0.000000>,0.350000
<-0.648847,19.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,19.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,19.957491,-0.000000>,0.350000
<-0.648847,20.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,20.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,20.957491,-0.000000>,0.350000
<-1.355953,21.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.355953,21.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.355953,21.664598,-0.000000>,0.350000
<-1.738637,22.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.738637,22.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.738637,22.588476,-0.000000>,0.350000
<-1.738637,23.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.738637,23.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,20.957491,-0.000000>,0.350000
<-0.266163,21.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.266163,21.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,21.881371,-0.000000>,0.350000
<-0.266163,22.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.266163,22.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,22.881371,-0.000000>,0.350000
<-0.648847,23.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,23.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,15.695518,-0.000000>,0.350000
<1.913417,16.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,16.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,16.619398,-0.000000>,0.350000
<2.296101,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,17.543278,-0.000000>,0.350000
<1.913417,18.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,18.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,18.467157,-0.000000>,0.350000
<1.913417,19.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,19.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,19.467157,-0.000000>,0.350000
<2.296101,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,17.543278,-0.000000>,0.350000
<3.003207,18.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,18.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,18.250383,-0.000000>,0.350000
<3.385891,19.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.385891,19.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.385891,19.174263,-0.000000>,0.350000
<3.385891,20.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.385891,20.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,17.543278,-0.000000>,0.350000
<2.296101,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,18.543278,-0.000000>,0.350000
<2.296101,19.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,19.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,19.543278,-0.000000>,0.350000
<1.588994,20.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.588994,20.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.588994,20.250383,-0.000000>,0.350000
<1.206310,21.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206310,21.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.206310,21.174263,-0.000000>,0.350000
<1.206310,22.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206310,22.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,19.543278,-0.000000>,0.350000
<2.678784,20.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,20.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,20.467157,-0.000000>,0.350000
<2.678784,21.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,21.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,21.467157,-0.000000>,0.350000
<2.296101,22.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,22.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,19.543278,-0.000000>,0.350000
<1.913417,20.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,20.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,20.467157,-0.000000>,0.350000
<1.530734,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,21.391037,-0.000000>,0.350000
<0.606854,21.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.606854,21.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.606854,21.773720,-0.000000>,0.350000
<-0.100253,22.480827,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.100253,22.480827,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.100253,22.480827,-0.000000>,0.350000
<-0.482936,23.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.482936,23.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,21.391037,-0.000000>,0.350000
<1.530734,22.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,22.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,22.391037,-0.000000>,0.350000
<1.148050,23.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,23.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,23.314917,-0.000000>,0.350000
<0.440944,24.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,24.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,15.695518,-0.000000>,0.350000
<1.148050,16.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,16.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,16.619398,-0.000000>,0.350000
<0.765367,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.543278,-0.000000>,0.350000
<-0.158513,17.925961,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.158513,17.925961,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.158513,17.925961,-0.000000>,0.350000
<-0.865619,18.633068,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.865619,18.633068,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.865619,18.633068,-0.000000>,0.350000
<-1.248303,19.556948,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.248303,19.556948,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.543278,-0.000000>,0.350000
<0.765367,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,18.543278,-0.000000>,0.350000
<0.382683,19.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,19.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,19.467157,-0.000000>,0.350000
<-0.324423,20.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,20.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.543278,-0.000000>,0.350000
<0.382683,18.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,18.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,18.467157,-0.000000>,0.350000
<0.000000,19.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.391037,-0.000000>,0.350000
<-0.923880,19.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.923880,19.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.923880,19.773720,-0.000000>,0.350000
<-1.630986,20.480827,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.630986,20.480827,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.630986,20.480827,-0.000000>,0.350000
<-2.013670,21.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.013670,21.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.391037,-0.000000>,0.350000
<0.000000,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.391037,-0.000000>,0.350000
<-0.382683,21.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,21.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,21.314917,-0.000000>,0.350000
<-1.089790,22.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,22.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.391037,-0.000000>,0.350000
<-0.923880,19.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.923880,19.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.923880,19.773720,-0.000000>,0.350000
<-1.847759,20.156403,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.847759,20.156403,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.847759,20.156403,-0.000000>,0.350000
<-2.771639,19.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.771639,19.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.771639,19.773720,-0.000000>,0.350000
<-3.771639,19.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.771639,19.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.771639,19.773720,-0.000000>,0.350000
<-4.695518,20.156403,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.695518,20.156403,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.847759,20.156403,-0.000000>,0.350000
<-2.554866,20.863510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.554866,20.863510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.554866,20.863510,-0.000000>,0.350000
<-3.478745,21.246193,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.478745,21.246193,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.478745,21.246193,-0.000000>,0.350000
<-4.478745,21.246193,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.478745,21.246193,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.847759,20.156403,-0.000000>,0.350000
<-2.554866,20.863510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.554866,20.863510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.554866,20.863510,-0.000000>,0.350000
<-3.261973,21.570616,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.261973,21.570616,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.261973,21.570616,-0.000000>,0.350000
<-4.261972,21.570616,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.261972,21.570616,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.261972,21.570616,-0.000000>,0.350000
<-5.185852,21.953300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.185852,21.953300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.185852,21.953300,-0.000000>,0.350000
<-5.892959,22.660406,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.892959,22.660406,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.261973,21.570616,-0.000000>,0.350000
<-3.644656,22.494495,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.644656,22.494495,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.644656,22.494495,-0.000000>,0.350000
<-4.351763,23.201603,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.351763,23.201603,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.351763,23.201603,-0.000000>,0.350000
<-5.275642,23.584286,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.275642,23.584286,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.261973,21.570616,-0.000000>,0.350000
<-3.644656,22.494495,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.644656,22.494495,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.644656,22.494495,-0.000000>,0.350000
<-4.027339,23.418375,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.027339,23.418375,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.027339,23.418375,-0.000000>,0.350000
<-4.951219,23.801060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.951219,23.801060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.951219,23.801060,-0.000000>,0.350000
<-5.658326,24.508165,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.658326,24.508165,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.658326,24.508165,-0.000000>,0.350000
<-6.041009,25.432045,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.041009,25.432045,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.027339,23.418375,-0.000000>,0.350000
<-4.027339,24.418375,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.027339,24.418375,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.027339,24.418375,-0.000000>,0.350000
<-4.410023,25.342255,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.410023,25.342255,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.410023,25.342255,-0.000000>,0.350000
<-5.117130,26.049362,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.117130,26.049362,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.391037,-0.000000>,0.350000
<0.000000,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.391037,-0.000000>,0.350000
<0.000000,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.391037,-0.000000>,0.350000
<-0.707107,22.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,22.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,22.098143,-0.000000>,0.350000
<-1.089790,23.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,23.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,23.022022,-0.000000>,0.350000
<-1.089790,24.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,24.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.391037,-0.000000>,0.350000
<0.382683,22.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,22.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,22.314917,-0.000000>,0.350000
<0.382683,23.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,23.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,23.314917,-0.000000>,0.350000
<0.000000,24.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,24.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.391037,-0.000000>,0.350000
<-0.382683,22.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,22.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,22.314917,-0.000000>,0.350000
<-0.765367,23.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,23.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,23.238796,-0.000000>,0.350000
<-1.689246,23.621479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.689246,23.621479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.689246,23.621479,-0.000000>,0.350000
<-2.396353,24.328585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.396353,24.328585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.396353,24.328585,-0.000000>,0.350000
<-2.779037,25.252464,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.779037,25.252464,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,23.238796,-0.000000>,0.350000
<-0.765367,24.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,24.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,24.238796,-0.000000>,0.350000
<-1.148050,25.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,25.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,25.162674,-0.000000>,0.350000
<-1.855157,25.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,25.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,23.238796,-0.000000>,0.350000
<-1.472474,23.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,23.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,23.945902,-0.000000>,0.350000
<-2.179580,24.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,24.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,24.653009,-0.000000>,0.350000
<-3.179580,24.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.179580,24.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.179580,24.653009,-0.000000>,0.350000
<-4.103460,25.035692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.103460,25.035692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.103460,25.035692,-0.000000>,0.350000
<-4.810567,25.742800,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.810567,25.742800,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,24.653009,-0.000000>,0.350000
<-2.562264,25.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,25.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,25.576889,-0.000000>,0.350000
<-3.269371,26.283995,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,26.283995,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.269371,26.283995,-0.000000>,0.350000
<-4.193250,26.666679,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.193250,26.666679,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.350000
<0.000000,9.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,9.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,0.350000
<0.000000,10.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.350000
<-0.707107,10.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,10.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,10.707107,-0.000000>,0.350000
<-1.089790,11.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,11.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,11.630986,-0.000000>,0.350000
<-1.089790,12.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,12.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.350000
<0.382683,10.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,10.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,10.923880,-0.000000>,0.350000
<0.382683,11.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,11.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,11.923880,-0.000000>,0.350000
<0.000000,12.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,12.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.350000
<0.000000,11.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,11.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,11.000000,-0.000000>,0.350000
<0.000000,12.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,12.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.350000
<-0.707107,12.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,12.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,12.707107,-0.000000>,0.350000
<-1.089790,13.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,13.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,13.630986,-0.000000>,0.350000
<-1.089790,14.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,14.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.350000
<0.382683,12.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,12.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,12.923880,-0.000000>,0.350000
<0.382683,13.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,13.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,13.923880,-0.000000>,0.350000
<0.000000,14.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,14.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.350000
<-0.707107,12.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,12.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,12.707107,-0.000000>,0.350000
<-1.414214,13.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.414214,13.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,13.414213,-0.000000>,0.350000
<-2.414214,13.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.414214,13.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.414214,13.414213,-0.000000>,0.350000
<-3.338093,13.796897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.338093,13.796897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.338093,13.796897,-0.000000>,0.350000
<-4.045200,14.504004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.045200,14.504004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,13.414213,-0.000000>,0.350000
<-1.796897,14.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,14.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,14.338093,-0.000000>,0.350000
<-2.504004,15.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.504004,15.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.504004,15.045200,-0.000000>,0.350000
<-3.427883,15.427883,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.427883,15.427883,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,13.414213,-0.000000>,0.350000
<-1.796897,14.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,14.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,14.338093,-0.000000>,0.350000
<-2.179580,15.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,15.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,15.261972,-0.000000>,0.350000
<-3.103460,15.644656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.103460,15.644656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.103460,15.644656,-0.000000>,0.350000
<-3.810567,16.351763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.810567,16.351763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.810567,16.351763,-0.000000>,0.350000
<-4.193250,17.275642,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.193250,17.275642,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,15.261972,-0.000000>,0.350000
<-2.179580,16.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,16.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,16.261972,-0.000000>,0.350000
<-2.562264,17.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,17.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,17.185852,-0.000000>,0.350000
<-3.269371,17.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,17.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,15.261972,-0.000000>,0.350000
<-2.179580,16.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,16.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,16.261972,-0.000000>,0.350000
<-2.179580,17.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,17.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,17.261972,-0.000000>,0.350000
<-2.886687,17.969080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.886687,17.969080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.886687,17.969080,-0.000000>,0.350000
<-3.269371,18.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,18.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.269371,18.892960,-0.000000>,0.350000
<-3.269371,19.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,19.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,17.261972,-0.000000>,0.350000
<-1.796897,18.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,18.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,18.185852,-0.000000>,0.350000
<-1.796897,19.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,19.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,19.185852,-0.000000>,0.350000
<-2.179580,20.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,20.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.350000
<0.382683,12.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,12.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,12.923880,-0.000000>,0.350000
<0.765367,13.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,13.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,13.847759,-0.000000>,0.350000
<0.382683,14.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,14.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,14.771639,-0.000000>,0.350000
<0.382683,15.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,15.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,15.771639,-0.000000>,0.350000
<0.765367,16.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,16.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,13.847759,-0.000000>,0.350000
<1.472474,14.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.472474,14.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,14.554866,-0.000000>,0.350000
<1.855157,15.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,15.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,15.478745,-0.000000>,0.350000
<1.855157,16.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,16.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,13.847759,-0.000000>,0.350000
<0.765367,14.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,14.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,14.847759,-0.000000>,0.350000
<0.765367,15.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,15.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,15.847759,-0.000000>,0.350000
<0.058260,16.554867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.058260,16.554867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.058260,16.554867,-0.000000>,0.350000
<-0.324423,17.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,17.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.324423,17.478745,-0.000000>,0.350000
<-0.324423,18.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,18.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,15.847759,-0.000000>,0.350000
<1.148050,16.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,16.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,16.771639,-0.000000>,0.350000
<1.148050,17.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,17.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,17.771639,-0.000000>,0.350000
<0.765367,18.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,18.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,15.847759,-0.000000>,0.350000
<0.382683,16.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,16.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,16.771639,-0.000000>,0.350000
<0.000000,17.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,17.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.695518,-0.000000>,0.350000
<-0.923880,18.078201,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.923880,18.078201,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.923880,18.078201,-0.000000>,0.350000
<-1.630986,18.785309,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.630986,18.785309,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.630986,18.785309,-0.000000>,0.350000
<-2.013670,19.709188,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.013670,19.709188,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.695518,-0.000000>,0.350000
<0.000000,18.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.695518,-0.000000>,0.350000
<-0.382683,19.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,19.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,19.619398,-0.000000>,0.350000
<-1.089790,20.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,20.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.350000
<0.000000,13.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.350000
<0.000000,14.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,14.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.350000
<-0.707107,14.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,14.707107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,14.707107,-0.000000>,0.350000
<-1.089790,15.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,15.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,15.630986,-0.000000>,0.350000
<-1.089790,16.630987,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,16.630987,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.350000
<0.382683,14.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,14.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,14.923880,-0.000000>,0.350000
<0.382683,15.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,15.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,15.923880,-0.000000>,0.350000
<0.000000,16.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,16.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.350000
<0.000000,15.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,15.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.000000,-0.000000>,0.350000
<0.000000,16.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,16.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.350000
<-0.707107,16.707108,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,16.707108,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,16.707108,-0.000000>,0.350000
<-1.089790,17.630987,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,17.630987,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,17.630987,-0.000000>,0.350000
<-1.089790,18.630987,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,18.630987,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.350000
<0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,16.923880,-0.000000>,0.350000
<0.382683,17.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,17.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,17.923880,-0.000000>,0.350000
<0.000000,18.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.350000
<-0.707107,16.707108,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,16.707108,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,16.707108,-0.000000>,0.350000
<-1.414214,17.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.414214,17.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,17.414213,-0.000000>,0.350000
<-2.414214,17.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.414214,17.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.414214,17.414213,-0.000000>,0.350000
<-3.338093,17.796898,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.338093,17.796898,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.338093,17.796898,-0.000000>,0.350000
<-4.045200,18.504004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.045200,18.504004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,17.414213,-0.000000>,0.350000
<-1.796897,18.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,18.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,18.338093,-0.000000>,0.350000
<-2.504004,19.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.504004,19.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.504004,19.045200,-0.000000>,0.350000
<-3.427883,19.427883,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.427883,19.427883,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,17.414213,-0.000000>,0.350000
<-1.796897,18.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,18.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,18.338093,-0.000000>,0.350000
<-2.179580,19.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,19.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,19.261972,-0.000000>,0.350000
<-3.103460,19.644655,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.103460,19.644655,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.103460,19.644655,-0.000000>,0.350000
<-3.810567,20.351763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.810567,20.351763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.810567,20.351763,-0.000000>,0.350000
<-4.193250,21.275642,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.193250,21.275642,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,19.261972,-0.000000>,0.350000
<-2.179580,20.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,20.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,20.261972,-0.000000>,0.350000
<-2.562264,21.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,21.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,21.185852,-0.000000>,0.350000
<-3.269371,21.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,21.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,19.261972,-0.000000>,0.350000
<-2.179580,20.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,20.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,20.261972,-0.000000>,0.350000
<-2.179580,21.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,21.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,21.261972,-0.000000>,0.350000
<-2.886687,21.969080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.886687,21.969080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.886687,21.969080,-0.000000>,0.350000
<-3.269371,22.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,22.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.269371,22.892960,-0.000000>,0.350000
<-3.269371,23.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,23.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,21.261972,-0.000000>,0.350000
<-1.796897,22.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,22.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,22.185852,-0.000000>,0.350000
<-1.796897,23.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,23.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,23.185852,-0.000000>,0.350000
<-2.179580,24.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,24.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.350000
<0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,16.923880,-0.000000>,0.350000
<0.765367,17.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,17.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.847759,-0.000000>,0.350000
<0.382683,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,18.771639,-0.000000>,0.350000
<0.382683,19.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,19.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,19.771639,-0.000000>,0.350000
<0.765367,20.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,20.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.847759,-0.000000>,0.350000
<1.472474,18.554867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.472474,18.554867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,18.554867,-0.000000>,0.350000
<1.855157,19.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,19.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,19.478745,-0.000000>,0.350000
<1.855157,20.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,20.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.847759,-0.000000>,0.350000
<0.765367,18.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,18.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,18.847759,-0.000000>,0.350000
<0.765367,19.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,19.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,19.847759,-0.000000>,0.350000
<0.058260,20.554867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.058260,20.554867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.058260,20.554867,-0.000000>,0.350000
<-0.324423,21.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,21.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.324423,21.478745,-0.000000>,0.350000
<-0.324423,22.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,22.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,19.847759,-0.000000>,0.350000
<1.148050,20.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,20.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,20.771639,-0.000000>,0.350000
<1.148050,21.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,21.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,21.771639,-0.000000>,0.350000
<0.765367,22.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,22.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,19.847759,-0.000000>,0.350000
<0.382683,20.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,20.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,20.771639,-0.000000>,0.350000
<0.000000,21.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.695518,-0.000000>,0.350000
<-0.923880,22.078201,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.923880,22.078201,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.923880,22.078201,-0.000000>,0.350000
<-1.630986,22.785309,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.630986,22.785309,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.630986,22.785309,-0.000000>,0.350000
<-2.013670,23.709188,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.013670,23.709188,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.695518,-0.000000>,0.350000
<0.000000,22.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,22.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.695518,-0.000000>,0.350000
<-0.382683,23.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,23.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,23.619398,-0.000000>,0.350000
<-1.089790,24.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,24.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.350000
<-0.707107,16.707108,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,16.707108,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,16.707108,-0.000000>,0.350000
<-1.414214,17.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.414214,17.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,17.414213,-0.000000>,0.350000
<-2.414214,17.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.414214,17.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.414214,17.414213,-0.000000>,0.350000
<-3.338093,17.796898,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.338093,17.796898,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.338093,17.796898,-0.000000>,0.350000
<-4.045200,18.504004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.045200,18.504004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,17.414213,-0.000000>,0.350000
<-1.796897,18.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,18.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,18.338093,-0.000000>,0.350000
<-2.504004,19.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.504004,19.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.504004,19.045200,-0.000000>,0.350000
<-3.427883,19.427883,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.427883,19.427883,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,17.414213,-0.000000>,0.350000
<-2.121320,18.121321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.121320,18.121321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.121320,18.121321,-0.000000>,0.350000
<-2.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.828427,18.828426,-0.000000>,0.350000
<-3.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.828427,18.828426,-0.000000>,0.350000
<-4.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.752306,19.211111,-0.000000>,0.350000
<-5.459414,19.918217,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.459414,19.918217,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.828427,18.828426,-0.000000>,0.350000
<-3.211111,19.752306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.211111,19.752306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.211111,19.752306,-0.000000>,0.350000
<-3.918217,20.459414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.918217,20.459414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.918217,20.459414,-0.000000>,0.350000
<-4.842097,20.842096,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.842097,20.842096,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.828427,18.828426,-0.000000>,0.350000
<-3.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.828427,18.828426,-0.000000>,0.350000
<-4.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.828427,18.828426,-0.000000>,0.350000
<-5.535534,18.121321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.535534,18.121321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.535534,18.121321,-0.000000>,0.350000
<-6.459414,17.738636,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.459414,17.738636,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.459414,17.738636,-0.000000>,0.350000
<-7.459414,17.738636,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.459414,17.738636,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.828427,18.828426,-0.000000>,0.350000
<-5.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.752306,19.211111,-0.000000>,0.350000
<-6.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.752306,19.211111,-0.000000>,0.350000
<-7.676186,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.676186,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.828427,18.828426,-0.000000>,0.350000
<-5.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.752306,19.211111,-0.000000>,0.350000
<-6.676186,19.593794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.676186,19.593794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.676186,19.593794,-0.000000>,0.350000
<-7.600066,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.600066,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.600066,19.211111,-0.000000>,0.350000
<-8.600066,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.600066,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.600066,19.211111,-0.000000>,0.350000
<-9.523945,19.593794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.523945,19.593794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.676186,19.593794,-0.000000>,0.350000
<-7.383293,20.300901,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.383293,20.300901,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.383293,20.300901,-0.000000>,0.350000
<-8.307173,20.683584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.307173,20.683584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.307173,20.683584,-0.000000>,0.350000
<-9.307173,20.683584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.307173,20.683584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.676186,19.593794,-0.000000>,0.350000
<-7.383293,20.300901,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.383293,20.300901,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.383293,20.300901,-0.000000>,0.350000
<-8.090400,21.008007,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.090400,21.008007,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.090400,21.008007,-0.000000>,0.350000
<-9.090400,21.008007,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.090400,21.008007,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.090400,21.008007,-0.000000>,0.350000
<-10.014279,21.390692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.014279,21.390692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.014279,21.390692,-0.000000>,0.350000
<-10.721386,22.097797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.721386,22.097797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.090400,21.008007,-0.000000>,0.350000
<-8.473083,21.931887,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.473083,21.931887,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.473083,21.931887,-0.000000>,0.350000
<-9.180190,22.638994,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.180190,22.638994,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.180190,22.638994,-0.000000>,0.350000
<-10.104070,23.021677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.104070,23.021677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.828427,18.828426,-0.000000>,0.350000
<-3.211111,19.752306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.211111,19.752306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.211111,19.752306,-0.000000>,0.350000
<-3.593794,20.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,20.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,20.676186,-0.000000>,0.350000
<-4.517673,21.058870,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.517673,21.058870,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.517673,21.058870,-0.000000>,0.350000
<-5.224780,21.765976,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.224780,21.765976,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.224780,21.765976,-0.000000>,0.350000
<-5.607464,22.689856,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.607464,22.689856,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,20.676186,-0.000000>,0.350000
<-3.593794,21.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,21.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,21.676186,-0.000000>,0.350000
<-3.976477,22.600065,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,22.600065,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,22.600065,-0.000000>,0.350000
<-4.683584,23.307173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.683584,23.307173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,20.676186,-0.000000>,0.350000
<-4.300901,21.383293,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.300901,21.383293,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.300901,21.383293,-0.000000>,0.350000
<-5.008008,22.090401,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.008008,22.090401,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,22.090401,-0.000000>,0.350000
<-6.008008,22.090401,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.008008,22.090401,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.008008,22.090401,-0.000000>,0.350000
<-6.931887,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.931887,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.931887,22.473083,-0.000000>,0.350000
<-7.638994,23.180189,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.638994,23.180189,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,22.090401,-0.000000>,0.350000
<-5.390691,23.014278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.390691,23.014278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.390691,23.014278,-0.000000>,0.350000
<-6.097798,23.721386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.097798,23.721386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.097798,23.721386,-0.000000>,0.350000
<-7.021677,24.104069,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.021677,24.104069,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,22.090401,-0.000000>,0.350000
<-5.931887,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.931887,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.931887,22.473083,-0.000000>,0.350000
<-6.855767,22.855766,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.855767,22.855766,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.855767,22.855766,-0.000000>,0.350000
<-7.779646,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.779646,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.779646,22.473083,-0.000000>,0.350000
<-8.779646,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.779646,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.779646,22.473083,-0.000000>,0.350000
<-9.703526,22.855766,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.703526,22.855766,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.855767,22.855766,-0.000000>,0.350000
<-7.562873,23.562874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.562873,23.562874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.562873,23.562874,-0.000000>,0.350000
<-8.486753,23.945557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.486753,23.945557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.486753,23.945557,-0.000000>,0.350000
<-9.486753,23.945557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.486753,23.945557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.828427,18.828426,-0.000000>,0.350000
<-3.211111,19.752306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.211111,19.752306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.211111,19.752306,-0.000000>,0.350000
<-3.593794,20.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,20.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,20.676186,-0.000000>,0.350000
<-4.517673,21.058870,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.517673,21.058870,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.517673,21.058870,-0.000000>,0.350000
<-5.224780,21.765976,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.224780,21.765976,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.224780,21.765976,-0.000000>,0.350000
<-5.607464,22.689856,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.607464,22.689856,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,20.676186,-0.000000>,0.350000
<-3.593794,21.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,21.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,21.676186,-0.000000>,0.350000
<-3.976477,22.600065,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,22.600065,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,22.600065,-0.000000>,0.350000
<-4.683584,23.307173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.683584,23.307173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,20.676186,-0.000000>,0.350000
<-3.976477,21.600065,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,21.600065,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,21.600065,-0.000000>,0.350000
<-4.359161,22.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,22.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,22.523945,-0.000000>,0.350000
<-5.283041,22.906630,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.283041,22.906630,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.283041,22.906630,-0.000000>,0.350000
<-5.990147,23.613735,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.990147,23.613735,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.990147,23.613735,-0.000000>,0.350000
<-6.372830,24.537615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.372830,24.537615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,22.523945,-0.000000>,0.350000
<-4.359161,23.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,23.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,23.523945,-0.000000>,0.350000
<-4.741844,24.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.741844,24.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.741844,24.447824,-0.000000>,0.350000
<-5.448951,25.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,25.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,22.523945,-0.000000>,0.350000
<-5.283041,22.906630,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.283041,22.906630,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.283041,22.906630,-0.000000>,0.350000
<-6.206920,23.289312,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.206920,23.289312,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.206920,23.289312,-0.000000>,0.350000
<-7.130799,22.906630,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.130799,22.906630,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.130799,22.906630,-0.000000>,0.350000
<-8.130799,22.906630,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.130799,22.906630,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.130799,22.906630,-0.000000>,0.350000
<-9.054679,23.289312,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.054679,23.289312,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.206920,23.289312,-0.000000>,0.350000
<-6.914027,23.996418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.914027,23.996418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.914027,23.996418,-0.000000>,0.350000
<-7.837906,24.379103,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.837906,24.379103,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.837906,24.379103,-0.000000>,0.350000
<-8.837906,24.379103,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.837906,24.379103,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.206920,23.289312,-0.000000>,0.350000
<-6.914027,23.996418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.914027,23.996418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.914027,23.996418,-0.000000>,0.350000
<-7.621133,24.703526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.621133,24.703526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.621133,24.703526,-0.000000>,0.350000
<-8.621134,24.703526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.621134,24.703526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.621134,24.703526,-0.000000>,0.350000
<-9.545013,25.086208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.545013,25.086208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.545013,25.086208,-0.000000>,0.350000
<-10.252120,25.793316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.252120,25.793316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.621133,24.703526,-0.000000>,0.350000
<-8.003817,25.627405,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.003817,25.627405,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.003817,25.627405,-0.000000>,0.350000
<-8.710924,26.334513,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.710924,26.334513,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.710924,26.334513,-0.000000>,0.350000
<-9.634803,26.717196,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.634803,26.717196,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.621133,24.703526,-0.000000>,0.350000
<-8.003817,25.627405,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.003817,25.627405,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.003817,25.627405,-0.000000>,0.350000
<-8.386500,26.551285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.386500,26.551285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.386500,26.551285,-0.000000>,0.350000
<-9.310380,26.933968,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.310380,26.933968,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.310380,26.933968,-0.000000>,0.350000
<-10.017487,27.641075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.017487,27.641075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.017487,27.641075,-0.000000>,0.350000
<-10.400170,28.564955,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.400170,28.564955,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.386500,26.551285,-0.000000>,0.350000
<-8.386500,27.551285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.386500,27.551285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.386500,27.551285,-0.000000>,0.350000
<-8.769184,28.475164,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.769184,28.475164,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.769184,28.475164,-0.000000>,0.350000
<-9.476291,29.182272,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.476291,29.182272,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,22.523945,-0.000000>,0.350000
<-4.359161,23.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,23.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,23.523945,-0.000000>,0.350000
<-4.359161,24.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,24.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,24.523945,-0.000000>,0.350000
<-5.066267,25.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.066267,25.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.066267,25.231052,-0.000000>,0.350000
<-5.448951,26.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,26.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.448951,26.154932,-0.000000>,0.350000
<-5.448951,27.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,27.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,24.523945,-0.000000>,0.350000
<-3.976477,25.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,25.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,25.447824,-0.000000>,0.350000
<-3.976477,26.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,26.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,26.447824,-0.000000>,0.350000
<-4.359161,27.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,27.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,24.523945,-0.000000>,0.350000
<-4.741844,25.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.741844,25.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.741844,25.447824,-0.000000>,0.350000
<-5.124528,26.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.124528,26.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,26.371704,-0.000000>,0.350000
<-6.048407,26.754387,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.048407,26.754387,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.048407,26.754387,-0.000000>,0.350000
<-6.755514,27.461494,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.755514,27.461494,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.755514,27.461494,-0.000000>,0.350000
<-7.138197,28.385374,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.138197,28.385374,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,26.371704,-0.000000>,0.350000
<-5.124528,27.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.124528,27.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,27.371704,-0.000000>,0.350000
<-5.507211,28.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.507211,28.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.507211,28.295584,-0.000000>,0.350000
<-6.214318,29.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.214318,29.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,26.371704,-0.000000>,0.350000
<-5.831635,27.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.831635,27.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.831635,27.078812,-0.000000>,0.350000
<-6.538741,27.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.538741,27.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,27.785917,-0.000000>,0.350000
<-7.538741,27.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.538741,27.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.538741,27.785917,-0.000000>,0.350000
<-8.462621,28.168602,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.462621,28.168602,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.462621,28.168602,-0.000000>,0.350000
<-9.169727,28.875708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.169727,28.875708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,27.785917,-0.000000>,0.350000
<-6.921425,28.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.921425,28.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.921425,28.709797,-0.000000>,0.350000
<-7.628531,29.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.628531,29.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.628531,29.416904,-0.000000>,0.350000
<-8.552411,29.799587,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.552411,29.799587,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,22.523945,-0.000000>,0.350000
<-4.359161,23.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,23.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,23.523945,-0.000000>,0.350000
<-4.359161,24.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,24.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,24.523945,-0.000000>,0.350000
<-5.066267,25.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.066267,25.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.066267,25.231052,-0.000000>,0.350000
<-5.448951,26.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,26.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.448951,26.154932,-0.000000>,0.350000
<-5.448951,27.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,27.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,24.523945,-0.000000>,0.350000
<-3.976477,25.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,25.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,25.447824,-0.000000>,0.350000
<-3.976477,26.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,26.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,26.447824,-0.000000>,0.350000
<-4.359161,27.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,27.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,24.523945,-0.000000>,0.350000
<-4.359161,25.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,25.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,25.523945,-0.000000>,0.350000
<-4.359161,26.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,26.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,26.523945,-0.000000>,0.350000
<-5.066267,27.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.066267,27.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.066267,27.231052,-0.000000>,0.350000
<-5.448951,28.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,28.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.448951,28.154932,-0.000000>,0.350000
<-5.448951,29.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,29.154932,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,26.523945,-0.000000>,0.350000
<-3.976477,27.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,27.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,27.447824,-0.000000>,0.350000
<-3.976477,28.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,28.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,28.447824,-0.000000>,0.350000
<-4.359161,29.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,29.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,26.523945,-0.000000>,0.350000
<-5.066267,27.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.066267,27.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.066267,27.231052,-0.000000>,0.350000
<-5.773375,27.938158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.773375,27.938158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.773375,27.938158,-0.000000>,0.350000
<-6.773375,27.938158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.773375,27.938158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.773375,27.938158,-0.000000>,0.350000
<-7.697254,28.320843,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.697254,28.320843,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.697254,28.320843,-0.000000>,0.350000
<-8.404361,29.027948,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.404361,29.027948,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.773375,27.938158,-0.000000>,0.350000
<-6.156058,28.862038,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156058,28.862038,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156058,28.862038,-0.000000>,0.350000
<-6.863164,29.569145,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.863164,29.569145,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.863164,29.569145,-0.000000>,0.350000
<-7.787044,29.951828,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.787044,29.951828,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.773375,27.938158,-0.000000>,0.350000
<-6.156058,28.862038,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156058,28.862038,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156058,28.862038,-0.000000>,0.350000
<-6.538741,29.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.538741,29.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,29.785917,-0.000000>,0.350000
<-7.462621,30.168602,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.462621,30.168602,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.462621,30.168602,-0.000000>,0.350000
<-8.169727,30.875708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.169727,30.875708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.169727,30.875708,-0.000000>,0.350000
<-8.552411,31.799587,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.552411,31.799587,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,29.785917,-0.000000>,0.350000
<-6.538741,30.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.538741,30.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,30.785917,-0.000000>,0.350000
<-6.921425,31.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.921425,31.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.921425,31.709797,-0.000000>,0.350000
<-7.628531,32.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.628531,32.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,29.785917,-0.000000>,0.350000
<-6.538741,30.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.538741,30.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,30.785917,-0.000000>,0.350000
<-6.538741,31.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.538741,31.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,31.785917,-0.000000>,0.350000
<-7.245848,32.493023,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.245848,32.493023,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.245848,32.493023,-0.000000>,0.350000
<-7.628531,33.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.628531,33.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.628531,33.416904,-0.000000>,0.350000
<-7.628531,34.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.628531,34.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,31.785917,-0.000000>,0.350000
<-6.156058,32.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156058,32.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156058,32.709797,-0.000000>,0.350000
<-6.156058,33.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156058,33.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.156058,33.709797,-0.000000>,0.350000
<-6.538741,34.633678,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.538741,34.633678,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,26.523945,-0.000000>,0.350000
<-3.976477,27.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,27.447824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,27.447824,-0.000000>,0.350000
<-3.593794,28.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,28.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,28.371704,-0.000000>,0.350000
<-3.976477,29.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,29.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,29.295584,-0.000000>,0.350000
<-3.976477,30.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,30.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,30.295584,-0.000000>,0.350000
<-3.593794,31.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,31.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,28.371704,-0.000000>,0.350000
<-2.886687,29.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.886687,29.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.886687,29.078812,-0.000000>,0.350000
<-2.504004,30.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.504004,30.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.504004,30.002691,-0.000000>,0.350000
<-2.504004,31.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.504004,31.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,28.371704,-0.000000>,0.350000
<-3.593794,29.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,29.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,29.371704,-0.000000>,0.350000
<-3.593794,30.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,30.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,30.371704,-0.000000>,0.350000
<-4.300901,31.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.300901,31.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.300901,31.078812,-0.000000>,0.350000
<-4.683584,32.002689,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.683584,32.002689,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.683584,32.002689,-0.000000>,0.350000
<-4.683584,33.002689,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.683584,33.002689,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,30.371704,-0.000000>,0.350000
<-3.211111,31.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.211111,31.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.211111,31.295584,-0.000000>,0.350000
<-3.211111,32.295586,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.211111,32.295586,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.211111,32.295586,-0.000000>,0.350000
<-3.593794,33.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,33.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,30.371704,-0.000000>,0.350000
<-3.976477,31.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,31.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,31.295584,-0.000000>,0.350000
<-4.359161,32.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,32.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,32.219463,-0.000000>,0.350000
<-5.283041,32.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.283041,32.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.283041,32.602146,-0.000000>,0.350000
<-5.990147,33.309254,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.990147,33.309254,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.990147,33.309254,-0.000000>,0.350000
<-6.372830,34.233131,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.372830,34.233131,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,32.219463,-0.000000>,0.350000
<-4.359161,33.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,33.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,33.219463,-0.000000>,0.350000
<-4.741844,34.143341,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.741844,34.143341,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.741844,34.143341,-0.000000>,0.350000
<-5.448951,34.850449,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,34.850449,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.350000
<0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,16.923880,-0.000000>,0.350000
<0.765367,17.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,17.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.847759,-0.000000>,0.350000
<0.382683,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,18.771639,-0.000000>,0.350000
<0.382683,19.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,19.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,19.771639,-0.000000>,0.350000
<0.765367,20.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,20.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.847759,-0.000000>,0.350000
<1.472474,18.554867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.472474,18.554867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,18.554867,-0.000000>,0.350000
<1.855157,19.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,19.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,19.478745,-0.000000>,0.350000
<1.855157,20.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,20.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.847759,-0.000000>,0.350000
<1.148050,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,18.771639,-0.000000>,0.350000
<1.530734,19.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,19.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<1.148050,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,20.619398,-0.000000>,0.350000
<1.148050,21.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,21.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,21.619398,-0.000000>,0.350000
<1.530734,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<2.237840,20.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,20.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,20.402624,-0.000000>,0.350000
<2.620524,21.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,21.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.620524,21.326504,-0.000000>,0.350000
<2.620524,22.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,22.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<1.148050,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,20.619398,-0.000000>,0.350000
<0.765367,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,21.543278,-0.000000>,0.350000
<-0.158513,21.925961,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.158513,21.925961,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.158513,21.925961,-0.000000>,0.350000
<-0.865619,22.633068,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.865619,22.633068,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.865619,22.633068,-0.000000>,0.350000
<-1.248303,23.556948,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.248303,23.556948,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,21.543278,-0.000000>,0.350000
<0.765367,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,22.543278,-0.000000>,0.350000
<0.382683,23.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,23.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,23.467157,-0.000000>,0.350000
<-0.324423,24.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,24.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,21.543278,-0.000000>,0.350000
<0.765367,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,22.543278,-0.000000>,0.350000
<0.765367,23.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,23.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,23.543278,-0.000000>,0.350000
<0.058260,24.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.058260,24.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.058260,24.250383,-0.000000>,0.350000
<-0.324423,25.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,25.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.324423,25.174263,-0.000000>,0.350000
<-0.324423,26.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,26.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,23.543278,-0.000000>,0.350000
<1.148050,24.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,24.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,24.467157,-0.000000>,0.350000
<1.148050,25.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,25.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,25.467157,-0.000000>,0.350000
<0.765367,26.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,26.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,23.543278,-0.000000>,0.350000
<1.148050,24.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,24.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,24.467157,-0.000000>,0.350000
<1.530734,25.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,25.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,25.391037,-0.000000>,0.350000
<1.148050,26.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,26.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,26.314917,-0.000000>,0.350000
<1.148050,27.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,27.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,27.314917,-0.000000>,0.350000
<1.530734,28.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,28.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,25.391037,-0.000000>,0.350000
<2.237840,26.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,26.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,26.098143,-0.000000>,0.350000
<2.620524,27.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,27.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.620524,27.022022,-0.000000>,0.350000
<2.620524,28.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,28.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<2.237840,20.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,20.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,20.402624,-0.000000>,0.350000
<2.944947,21.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,21.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,21.109732,-0.000000>,0.350000
<2.944947,22.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,22.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,22.109732,-0.000000>,0.350000
<3.327631,23.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,23.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,23.033611,-0.000000>,0.350000
<4.034738,23.740719,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.034738,23.740719,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,21.109732,-0.000000>,0.350000
<3.868827,21.492414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.868827,21.492414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.868827,21.492414,-0.000000>,0.350000
<4.575933,22.199522,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.575933,22.199522,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.575933,22.199522,-0.000000>,0.350000
<4.958617,23.123402,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.958617,23.123402,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,21.109732,-0.000000>,0.350000
<3.327631,22.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,22.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,22.033611,-0.000000>,0.350000
<3.710314,22.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,22.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,22.957491,-0.000000>,0.350000
<3.327631,23.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,23.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,23.881371,-0.000000>,0.350000
<3.327631,24.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,24.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,24.881371,-0.000000>,0.350000
<3.710314,25.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,25.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,22.957491,-0.000000>,0.350000
<4.417421,23.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.417421,23.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.417421,23.664598,-0.000000>,0.350000
<4.800104,24.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.800104,24.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.800104,24.588476,-0.000000>,0.350000
<4.800104,25.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.800104,25.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,22.957491,-0.000000>,0.350000
<3.710314,23.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,23.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,23.957491,-0.000000>,0.350000
<3.710314,24.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,24.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,24.957491,-0.000000>,0.350000
<3.003207,25.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,25.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,25.664598,-0.000000>,0.350000
<2.620524,26.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,26.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.620524,26.588476,-0.000000>,0.350000
<2.620524,27.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,27.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,24.957491,-0.000000>,0.350000
<4.092998,25.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,25.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,25.881371,-0.000000>,0.350000
<4.092998,26.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,26.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,26.881371,-0.000000>,0.350000
<3.710314,27.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,27.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<1.530734,20.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,20.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,20.695518,-0.000000>,0.350000
<1.530734,21.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,21.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,21.695518,-0.000000>,0.350000
<0.823627,22.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.823627,22.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.823627,22.402624,-0.000000>,0.350000
<0.440944,23.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,23.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.440944,23.326504,-0.000000>,0.350000
<0.440944,24.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,24.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,21.695518,-0.000000>,0.350000
<1.913417,22.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,22.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,22.619398,-0.000000>,0.350000
<1.913417,23.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,23.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,23.619398,-0.000000>,0.350000
<1.530734,24.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,24.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,21.695518,-0.000000>,0.350000
<1.530734,22.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,22.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,22.695518,-0.000000>,0.350000
<1.530734,23.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,23.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,23.695518,-0.000000>,0.350000
<0.823627,24.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.823627,24.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.823627,24.402624,-0.000000>,0.350000
<0.440944,25.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,25.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.440944,25.326504,-0.000000>,0.350000
<0.440944,26.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,26.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,23.695518,-0.000000>,0.350000
<1.913417,24.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,24.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,24.619398,-0.000000>,0.350000
<1.913417,25.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,25.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,25.619398,-0.000000>,0.350000
<1.530734,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,23.695518,-0.000000>,0.350000
<0.823627,24.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.823627,24.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.823627,24.402624,-0.000000>,0.350000
<0.116520,25.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.116520,25.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.116520,25.109732,-0.000000>,0.350000
<-0.883480,25.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.883480,25.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.883480,25.109732,-0.000000>,0.350000
<-1.807359,25.492414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.807359,25.492414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.807359,25.492414,-0.000000>,0.350000
<-2.514466,26.199522,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.514466,26.199522,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.116520,25.109732,-0.000000>,0.350000
<-0.266163,26.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.266163,26.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,26.033611,-0.000000>,0.350000
<-0.973270,26.740719,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.973270,26.740719,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.973270,26.740719,-0.000000>,0.350000
<-1.897150,27.123402,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.897150,27.123402,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.116520,25.109732,-0.000000>,0.350000
<-0.266163,26.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.266163,26.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,26.033611,-0.000000>,0.350000
<-0.648847,26.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,26.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,26.957491,-0.000000>,0.350000
<-1.572726,27.340174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.572726,27.340174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.572726,27.340174,-0.000000>,0.350000
<-2.279833,28.047281,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.279833,28.047281,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.279833,28.047281,-0.000000>,0.350000
<-2.662516,28.971161,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.662516,28.971161,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,26.957491,-0.000000>,0.350000
<-0.648847,27.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,27.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,27.957491,-0.000000>,0.350000
<-1.031530,28.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.031530,28.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.031530,28.881371,-0.000000>,0.350000
<-1.738637,29.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.738637,29.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,26.957491,-0.000000>,0.350000
<-0.648847,27.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,27.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,27.957491,-0.000000>,0.350000
<-0.648847,28.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,28.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,28.957491,-0.000000>,0.350000
<-1.355953,29.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.355953,29.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.355953,29.664598,-0.000000>,0.350000
<-1.738637,30.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.738637,30.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.738637,30.588476,-0.000000>,0.350000
<-1.738637,31.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.738637,31.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,28.957491,-0.000000>,0.350000
<-0.266163,29.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.266163,29.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,29.881371,-0.000000>,0.350000
<-0.266163,30.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.266163,30.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,30.881371,-0.000000>,0.350000
<-0.648847,31.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,31.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,23.695518,-0.000000>,0.350000
<1.913417,24.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,24.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,24.619398,-0.000000>,0.350000
<2.296101,25.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,25.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,25.543278,-0.000000>,0.350000
<1.913417,26.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,26.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,26.467157,-0.000000>,0.350000
<1.913417,27.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,27.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,27.467157,-0.000000>,0.350000
<2.296101,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,25.543278,-0.000000>,0.350000
<3.003207,26.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,26.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,26.250383,-0.000000>,0.350000
<3.385891,27.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.385891,27.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.385891,27.174263,-0.000000>,0.350000
<3.385891,28.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.385891,28.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,25.543278,-0.000000>,0.350000
<2.296101,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,26.543278,-0.000000>,0.350000
<2.296101,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,27.543278,-0.000000>,0.350000
<1.588994,28.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.588994,28.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.588994,28.250383,-0.000000>,0.350000
<1.206310,29.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206310,29.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.206310,29.174263,-0.000000>,0.350000
<1.206310,30.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206310,30.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,27.543278,-0.000000>,0.350000
<2.678784,28.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,28.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,28.467157,-0.000000>,0.350000
<2.678784,29.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,29.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,29.467157,-0.000000>,0.350000
<2.296101,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,27.543278,-0.000000>,0.350000
<1.913417,28.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,28.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,28.467157,-0.000000>,0.350000
<1.530734,29.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,29.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,29.391037,-0.000000>,0.350000
<0.606854,29.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.606854,29.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.606854,29.773720,-0.000000>,0.350000
<-0.100253,30.480827,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.100253,30.480827,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.100253,30.480827,-0.000000>,0.350000
<-0.482936,31.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.482936,31.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,29.391037,-0.000000>,0.350000
<1.530734,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,30.391037,-0.000000>,0.350000
<1.148050,31.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,31.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,31.314917,-0.000000>,0.350000
<0.440944,32.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,32.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,23.695518,-0.000000>,0.350000
<1.148050,24.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,24.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,24.619398,-0.000000>,0.350000
<0.765367,25.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,25.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,25.543278,-0.000000>,0.350000
<-0.158513,25.925961,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.158513,25.925961,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.158513,25.925961,-0.000000>,0.350000
<-0.865619,26.633068,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.865619,26.633068,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.865619,26.633068,-0.000000>,0.350000
<-1.248303,27.556948,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.248303,27.556948,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,25.543278,-0.000000>,0.350000
<0.765367,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,26.543278,-0.000000>,0.350000
<0.382683,27.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,27.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,27.467157,-0.000000>,0.350000
<-0.324423,28.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,28.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,25.543278,-0.000000>,0.350000
<0.382683,26.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,26.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,26.467157,-0.000000>,0.350000
<0.000000,27.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.391037,-0.000000>,0.350000
<-0.923880,27.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.923880,27.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.923880,27.773720,-0.000000>,0.350000
<-1.630986,28.480827,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.630986,28.480827,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.630986,28.480827,-0.000000>,0.350000
<-2.013670,29.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.013670,29.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.391037,-0.000000>,0.350000
<0.000000,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.391037,-0.000000>,0.350000
<-0.382683,29.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,29.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,29.314917,-0.000000>,0.350000
<-1.089790,30.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,30.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.391037,-0.000000>,0.350000
<-0.923880,27.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.923880,27.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.923880,27.773720,-0.000000>,0.350000
<-1.847759,28.156403,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.847759,28.156403,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.847759,28.156403,-0.000000>,0.350000
<-2.771639,27.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.771639,27.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.771639,27.773720,-0.000000>,0.350000
<-3.771639,27.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.771639,27.773720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.771639,27.773720,-0.000000>,0.350000
<-4.695518,28.156403,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.695518,28.156403,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.847759,28.156403,-0.000000>,0.350000
<-2.554866,28.863510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.554866,28.863510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.554866,28.863510,-0.000000>,0.350000
<-3.478745,29.246193,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.478745,29.246193,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.478745,29.246193,-0.000000>,0.350000
<-4.478745,29.246193,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.478745,29.246193,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.847759,28.156403,-0.000000>,0.350000
<-2.554866,28.863510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.554866,28.863510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.554866,28.863510,-0.000000>,0.350000
<-3.261973,29.570616,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.261973,29.570616,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.261973,29.570616,-0.000000>,0.350000
<-4.261972,29.570616,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.261972,29.570616,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.261972,29.570616,-0.000000>,0.350000
<-5.185852,29.953300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.185852,29.953300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.185852,29.953300,-0.000000>,0.350000
<-5.892959,30.660406,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.892959,30.660406,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.261973,29.570616,-0.000000>,0.350000
<-3.644656,30.494495,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.644656,30.494495,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.644656,30.494495,-0.000000>,0.350000
<-4.351763,31.201603,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.351763,31.201603,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.351763,31.201603,-0.000000>,0.350000
<-5.275642,31.584286,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.275642,31.584286,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.261973,29.570616,-0.000000>,0.350000
<-3.644656,30.494495,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.644656,30.494495,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.644656,30.494495,-0.000000>,0.350000
<-4.027339,31.418375,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.027339,31.418375,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.027339,31.418375,-0.000000>,0.350000
<-4.951219,31.801060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.951219,31.801060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.951219,31.801060,-0.000000>,0.350000
<-5.658326,32.508167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.658326,32.508167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.658326,32.508167,-0.000000>,0.350000
<-6.041009,33.432045,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.041009,33.432045,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.027339,31.418375,-0.000000>,0.350000
<-4.027339,32.418377,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.027339,32.418377,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.027339,32.418377,-0.000000>,0.350000
<-4.410023,33.342255,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.410023,33.342255,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.410023,33.342255,-0.000000>,0.350000
<-5.117130,34.049362,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.117130,34.049362,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.391037,-0.000000>,0.350000
<0.000000,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.391037,-0.000000>,0.350000
<0.000000,29.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.391037,-0.000000>,0.350000
<-0.707107,30.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,30.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,30.098143,-0.000000>,0.350000
<-1.089790,31.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,31.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,31.022022,-0.000000>,0.350000
<-1.089790,32.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,32.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.391037,-0.000000>,0.350000
<0.382683,30.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,30.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,30.314917,-0.000000>,0.350000
<0.382683,31.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,31.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,31.314917,-0.000000>,0.350000
<0.000000,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.391037,-0.000000>,0.350000
<-0.382683,30.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,30.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,30.314917,-0.000000>,0.350000
<-0.765367,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,31.238796,-0.000000>,0.350000
<-1.689246,31.621479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.689246,31.621479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.689246,31.621479,-0.000000>,0.350000
<-2.396353,32.328587,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.396353,32.328587,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.396353,32.328587,-0.000000>,0.350000
<-2.779037,33.252464,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.779037,33.252464,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,31.238796,-0.000000>,0.350000
<-0.765367,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,32.238796,-0.000000>,0.350000
<-1.148050,33.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,33.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,33.162674,-0.000000>,0.350000
<-1.855157,33.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,33.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,31.238796,-0.000000>,0.350000
<-1.472474,31.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,31.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,31.945902,-0.000000>,0.350000
<-2.179580,32.653008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,32.653008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,32.653008,-0.000000>,0.350000
<-3.179580,32.653008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.179580,32.653008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.179580,32.653008,-0.000000>,0.350000
<-4.103460,33.035694,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.103460,33.035694,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.103460,33.035694,-0.000000>,0.350000
<-4.810567,33.742798,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.810567,33.742798,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,32.653008,-0.000000>,0.350000
<-2.562264,33.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,33.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,33.576889,-0.000000>,0.350000
<-3.269371,34.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,34.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.269371,34.283997,-0.000000>,0.350000
<-4.193250,34.666679,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.193250,34.666679,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.350000
<-0.707107,16.707108,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,16.707108,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,16.707108,-0.000000>,0.350000
<-1.414214,17.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.414214,17.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,17.414213,-0.000000>,0.350000
<-2.414214,17.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.414214,17.414213,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.414214,17.414213,-0.000000>,0.350000
<-3.338093,17.796898,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.338093,17.796898,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.338093,17.796898,-0.000000>,0.350000
<-4.045200,18.504004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.045200,18.504004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,17.414213,-0.000000>,0.350000
<-1.796897,18.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,18.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,18.338093,-0.000000>,0.350000
<-2.504004,19.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.504004,19.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.504004,19.045200,-0.000000>,0.350000
<-3.427883,19.427883,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.427883,19.427883,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,17.414213,-0.000000>,0.350000
<-2.121320,18.121321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.121320,18.121321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.121320,18.121321,-0.000000>,0.350000
<-2.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.828427,18.828426,-0.000000>,0.350000
<-3.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.828427,18.828426,-0.000000>,0.350000
<-4.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.752306,19.211111,-0.000000>,0.350000
<-5.459414,19.918217,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.459414,19.918217,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.828427,18.828426,-0.000000>,0.350000
<-3.211111,19.752306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.211111,19.752306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.211111,19.752306,-0.000000>,0.350000
<-3.918217,20.459414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.918217,20.459414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.918217,20.459414,-0.000000>,0.350000
<-4.842097,20.842096,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.842097,20.842096,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.828427,18.828426,-0.000000>,0.350000
<-3.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.828427,18.828426,-0.000000>,0.350000
<-4.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.828427,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.828427,18.828426,-0.000000>,0.350000
<-5.535534,18.121321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.535534,18.121321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.535534,18.121321,-0.000000>,0.350000
<-6.459414,17.738636,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.459414,17.738636,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.459414,17.738636,-0.000000>,0.350000
<-7.459414,17.738636,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.459414,17.738636,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.828427,18.828426,-0.000000>,0.350000
<-5.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.752306,19.211111,-0.000000>,0.350000
<-6.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.752306,19.211111,-0.000000>,0.350000
<-7.676186,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.676186,18.828426,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.828427,18.828426,-0.000000>,0.350000
<-5.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.752306,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.752306,19.211111,-0.000000>,0.350000
<-6.676186,19.593794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.676186,19.593794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.676186,19.593794,-0.000000>,0.350000
<-7.600066,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.600066,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.600066,19.211111,-0.000000>,0.350000
<-8.600066,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.600066,19.211111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.600066,19.211111,-0.000000>,0.350000
<-9.523945,19.593794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.523945,19.593794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.676186,19.593794,-0.000000>,0.350000
<-7.383293,20.300901,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.383293,20.300901,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.383293,20.300901,-0.000000>,0.350000
<-8.307173,20.683584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.307173,20.683584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.307173,20.683584,-0.000000>,0.350000
<-9.307173,20.683584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.307173,20.683584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.676186,19.593794,-0.000000>,0.350000
<-7.383293,20.300901,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.383293,20.300901,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.383293,20.300901,-0.000000>,0.350000
<-8.090400,21.008007,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.090400,21.008007,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.090400,21.008007,-0.000000>,0.350000
<-9.090400,21.008007,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.090400,21.008007,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.090400,21.008007,-0.000000>,0.350000
<-10.014279,21.390692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.014279,21.390692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.014279,21.390692,-0.000000>,0.350000
<-10.721386,22.097797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.721386,22.097797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.090400,21.008007,-0.000000>,0.350000
<-8.473083,21.931887,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.473083,21.931887,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.473083,21.931887,-0.000000>,0.350000
<-9.180190,22.638994,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.180190,22.638994,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.180190,22.638994,-0.000000>,0.350000
<-10.104070,23.021677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.104070,23.021677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.828427,18.828426,-0.000000>,0.350000
<-3.211111,19.752306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.211111,19.752306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.211111,19.752306,-0.000000>,0.350000
<-3.593794,20.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,20.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,20.676186,-0.000000>,0.350000
<-4.517673,21.058870,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.517673,21.058870,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.517673,21.058870,-0.000000>,0.350000
<-5.224780,21.765976,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.224780,21.765976,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.224780,21.765976,-0.000000>,0.350000
<-5.607464,22.689856,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.607464,22.689856,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,20.676186,-0.000000>,0.350000
<-3.593794,21.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,21.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,21.676186,-0.000000>,0.350000
<-3.976477,22.600065,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,22.600065,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.976477,22.600065,-0.000000>,0.350000
<-4.683584,23.307173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.683584,23.307173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,20.676186,-0.000000>,0.350000
<-4.300901,21.383293,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.300901,21.383293,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.300901,21.383293,-0.000000>,0.350000
<-5.008008,22.090401,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.008008,22.090401,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,22.090401,-0.000000>,0.350000
<-6.008008,22.090401,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.008008,22.090401,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.008008,22.090401,-0.000000>,0.350000
<-6.931887,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.931887,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.931887,22.473083,-0.000000>,0.350000
<-7.638994,23.180189,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.638994,23.180189,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,22.090401,-0.000000>,0.350000
<-5.390691,23.014278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.390691,23.014278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.390691,23.014278,-0.000000>,0.350000
<-6.097798,23.721386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.097798,23.721386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.097798,23.721386,-0.000000>,0.350000
<-7.021677,24.104069,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.021677,24.104069,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,22.090401,-0.000000>,0.350000
<-5.931887,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.931887,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.931887,22.473083,-0.000000>,0.350000
<-6.855767,22.855766,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.855767,22.855766,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.855767,22.855766,-0.000000>,0.350000
<-7.779646,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.779646,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.779646,22.473083,-0.000000>,0.350000
<-8.779646,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.779646,22.473083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.779646,22.473083,-0.000000>,0.350000
<-9.703526,22.855766,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.703526,22.855766,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.855767,22.855766,-0.000000>,0.350000
<-7.562873,23.562874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.562873,23.562874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.562873,23.562874,-0.000000>,0.350000
<-8.486753,23.945557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.486753,23.945557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.486753,23.945557,-0.000000>,0.350000
<-9.486753,23.945557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.486753,23.945557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.828427,18.828426,-0.000000>,0.350000
<-3.535534,19.535534,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.535534,19.535534,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.535534,19.535534,-0.000000>,0.350000
<-4.242640,20.242641,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.242640,20.242641,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.242640,20.242641,-0.000000>,0.350000
<-5.242640,20.242641,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.242640,20.242641,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.242640,20.242641,-0.000000>,0.350000
<-6.166520,20.625324,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.166520,20.625324,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.166520,20.625324,-0.000000>,0.350000
<-6.873627,21.332432,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.873627,21.332432,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.242640,20.242641,-0.000000>,0.350000
<-4.625324,21.166521,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.625324,21.166521,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.625324,21.166521,-0.000000>,0.350000
<-5.332431,21.873627,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.332431,21.873627,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.332431,21.873627,-0.000000>,0.350000
<-6.256310,22.256310,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.256310,22.256310,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.242640,20.242641,-0.000000>,0.350000
<-4.949748,20.949747,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.949748,20.949747,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.949748,20.949747,-0.000000>,0.350000
<-5.656854,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.656854,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.656854,21.656855,-0.000000>,0.350000
<-6.656854,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.656854,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.656854,21.656855,-0.000000>,0.350000
<-7.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.580734,22.039537,-0.000000>,0.350000
<-8.287841,22.746645,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.287841,22.746645,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.656854,21.656855,-0.000000>,0.350000
<-6.039538,22.580734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.039538,22.580734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.039538,22.580734,-0.000000>,0.350000
<-6.746644,23.287840,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.746644,23.287840,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.746644,23.287840,-0.000000>,0.350000
<-7.670524,23.670525,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.670524,23.670525,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.656854,21.656855,-0.000000>,0.350000
<-6.656854,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.656854,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.656854,21.656855,-0.000000>,0.350000
<-7.656854,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.656854,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.656854,21.656855,-0.000000>,0.350000
<-8.363961,20.949747,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.363961,20.949747,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.363961,20.949747,-0.000000>,0.350000
<-9.287841,20.567064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.287841,20.567064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.287841,20.567064,-0.000000>,0.350000
<-10.287841,20.567064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.287841,20.567064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.656854,21.656855,-0.000000>,0.350000
<-8.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.580734,22.039537,-0.000000>,0.350000
<-9.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.580734,22.039537,-0.000000>,0.350000
<-10.504613,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.504613,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.656854,21.656855,-0.000000>,0.350000
<-8.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.580734,22.039537,-0.000000>,0.350000
<-9.504613,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.504613,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.504613,22.422220,-0.000000>,0.350000
<-10.428493,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.428493,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.428493,22.039537,-0.000000>,0.350000
<-11.428493,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.428493,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.428493,22.039537,-0.000000>,0.350000
<-12.352372,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.352372,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.504613,22.422220,-0.000000>,0.350000
<-10.211720,23.129328,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.211720,23.129328,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.211720,23.129328,-0.000000>,0.350000
<-11.135600,23.512011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.135600,23.512011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.135600,23.512011,-0.000000>,0.350000
<-12.135600,23.512011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.135600,23.512011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.504613,22.422220,-0.000000>,0.350000
<-10.211720,23.129328,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.211720,23.129328,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.211720,23.129328,-0.000000>,0.350000
<-10.918827,23.836435,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.918827,23.836435,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.918827,23.836435,-0.000000>,0.350000
<-11.918827,23.836435,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.918827,23.836435,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.918827,23.836435,-0.000000>,0.350000
<-12.842707,24.219118,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.842707,24.219118,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.842707,24.219118,-0.000000>,0.350000
<-13.549813,24.926226,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.549813,24.926226,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.918827,23.836435,-0.000000>,0.350000
<-11.301510,24.760315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.301510,24.760315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.301510,24.760315,-0.000000>,0.350000
<-12.008617,25.467421,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.008617,25.467421,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.008617,25.467421,-0.000000>,0.350000
<-12.932497,25.850105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.932497,25.850105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.656854,21.656855,-0.000000>,0.350000
<-6.039538,22.580734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.039538,22.580734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.039538,22.580734,-0.000000>,0.350000
<-6.422221,23.504614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.422221,23.504614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,23.504614,-0.000000>,0.350000
<-7.346101,23.887297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.346101,23.887297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.346101,23.887297,-0.000000>,0.350000
<-8.053207,24.594404,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.053207,24.594404,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.053207,24.594404,-0.000000>,0.350000
<-8.435891,25.518284,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.435891,25.518284,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,23.504614,-0.000000>,0.350000
<-6.422221,24.504614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.422221,24.504614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,24.504614,-0.000000>,0.350000
<-6.804904,25.428493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,25.428493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,25.428493,-0.000000>,0.350000
<-7.512012,26.135599,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.512012,26.135599,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,23.504614,-0.000000>,0.350000
<-7.129328,24.211720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.129328,24.211720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.129328,24.211720,-0.000000>,0.350000
<-7.836435,24.918827,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.836435,24.918827,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.836435,24.918827,-0.000000>,0.350000
<-8.836434,24.918827,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.836434,24.918827,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.836434,24.918827,-0.000000>,0.350000
<-9.760314,25.301510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.760314,25.301510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.760314,25.301510,-0.000000>,0.350000
<-10.467421,26.008617,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.467421,26.008617,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.836435,24.918827,-0.000000>,0.350000
<-8.219118,25.842707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.219118,25.842707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.219118,25.842707,-0.000000>,0.350000
<-8.926225,26.549812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.926225,26.549812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.926225,26.549812,-0.000000>,0.350000
<-9.850104,26.932497,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.850104,26.932497,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.836435,24.918827,-0.000000>,0.350000
<-8.760314,25.301510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.760314,25.301510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.760314,25.301510,-0.000000>,0.350000
<-9.684194,25.684195,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.684194,25.684195,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.684194,25.684195,-0.000000>,0.350000
<-10.608073,25.301510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.608073,25.301510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.608073,25.301510,-0.000000>,0.350000
<-11.608073,25.301510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.608073,25.301510,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.608073,25.301510,-0.000000>,0.350000
<-12.531953,25.684195,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.531953,25.684195,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.684194,25.684195,-0.000000>,0.350000
<-10.391300,26.391300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.391300,26.391300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.391300,26.391300,-0.000000>,0.350000
<-11.315180,26.773983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.315180,26.773983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.315180,26.773983,-0.000000>,0.350000
<-12.315180,26.773983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.315180,26.773983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.656854,21.656855,-0.000000>,0.350000
<-6.656854,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.656854,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.656854,21.656855,-0.000000>,0.350000
<-7.656854,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.656854,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.656854,21.656855,-0.000000>,0.350000
<-8.363961,20.949747,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.363961,20.949747,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.363961,20.949747,-0.000000>,0.350000
<-9.287841,20.567064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.287841,20.567064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.287841,20.567064,-0.000000>,0.350000
<-10.287841,20.567064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.287841,20.567064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.656854,21.656855,-0.000000>,0.350000
<-8.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.580734,22.039537,-0.000000>,0.350000
<-9.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.580734,22.039537,-0.000000>,0.350000
<-10.504613,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.504613,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.656854,21.656855,-0.000000>,0.350000
<-8.656855,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.656855,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.656855,21.656855,-0.000000>,0.350000
<-9.656855,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.656855,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.656855,21.656855,-0.000000>,0.350000
<-10.363961,20.949747,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.363961,20.949747,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.363961,20.949747,-0.000000>,0.350000
<-11.287841,20.567064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.287841,20.567064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.287841,20.567064,-0.000000>,0.350000
<-12.287841,20.567064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.287841,20.567064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.656855,21.656855,-0.000000>,0.350000
<-10.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.580734,22.039537,-0.000000>,0.350000
<-11.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.580734,22.039537,-0.000000>,0.350000
<-12.504613,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.504613,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.656855,21.656855,-0.000000>,0.350000
<-10.363961,20.949747,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.363961,20.949747,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.363961,20.949747,-0.000000>,0.350000
<-11.071068,20.242641,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.071068,20.242641,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.071068,20.242641,-0.000000>,0.350000
<-11.071068,19.242641,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.071068,19.242641,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.071068,19.242641,-0.000000>,0.350000
<-11.453752,18.318762,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.453752,18.318762,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.453752,18.318762,-0.000000>,0.350000
<-12.160858,17.611654,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.160858,17.611654,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.071068,20.242641,-0.000000>,0.350000
<-11.994947,19.859957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.994947,19.859957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.994947,19.859957,-0.000000>,0.350000
<-12.702054,19.152851,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.702054,19.152851,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.702054,19.152851,-0.000000>,0.350000
<-13.084738,18.228971,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.084738,18.228971,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.071068,20.242641,-0.000000>,0.350000
<-11.994947,19.859957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.994947,19.859957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.994947,19.859957,-0.000000>,0.350000
<-12.918827,19.477274,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.918827,19.477274,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.918827,19.477274,-0.000000>,0.350000
<-13.301510,18.553394,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.301510,18.553394,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.301510,18.553394,-0.000000>,0.350000
<-14.008617,17.846287,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.008617,17.846287,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.008617,17.846287,-0.000000>,0.350000
<-14.932497,17.463604,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.932497,17.463604,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.918827,19.477274,-0.000000>,0.350000
<-13.918827,19.477274,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.918827,19.477274,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.918827,19.477274,-0.000000>,0.350000
<-14.842707,19.094591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.842707,19.094591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.842707,19.094591,-0.000000>,0.350000
<-15.549813,18.387484,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.549813,18.387484,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.918827,19.477274,-0.000000>,0.350000
<-13.918827,19.477274,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.918827,19.477274,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.918827,19.477274,-0.000000>,0.350000
<-14.918827,19.477274,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.918827,19.477274,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.918827,19.477274,-0.000000>,0.350000
<-15.625934,18.770166,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.625934,18.770166,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.625934,18.770166,-0.000000>,0.350000
<-16.549812,18.387484,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.549812,18.387484,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.549812,18.387484,-0.000000>,0.350000
<-17.549812,18.387484,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.549812,18.387484,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.918827,19.477274,-0.000000>,0.350000
<-15.842707,19.859957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.842707,19.859957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.842707,19.859957,-0.000000>,0.350000
<-16.842707,19.859957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.842707,19.859957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.842707,19.859957,-0.000000>,0.350000
<-17.766586,19.477274,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.766586,19.477274,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.656855,21.656855,-0.000000>,0.350000
<-10.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.580734,22.039537,-0.000000>,0.350000
<-11.504613,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.504613,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.504613,22.422220,-0.000000>,0.350000
<-12.428493,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.428493,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.428493,22.039537,-0.000000>,0.350000
<-13.428493,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.428493,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.428493,22.039537,-0.000000>,0.350000
<-14.352372,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.352372,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.504613,22.422220,-0.000000>,0.350000
<-12.211720,23.129328,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.211720,23.129328,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.211720,23.129328,-0.000000>,0.350000
<-13.135600,23.512011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.135600,23.512011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.135600,23.512011,-0.000000>,0.350000
<-14.135600,23.512011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.135600,23.512011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.504613,22.422220,-0.000000>,0.350000
<-12.504613,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.504613,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.504613,22.422220,-0.000000>,0.350000
<-13.504613,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.504613,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.504613,22.422220,-0.000000>,0.350000
<-14.211720,21.715115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.211720,21.715115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.211720,21.715115,-0.000000>,0.350000
<-15.135600,21.332432,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.135600,21.332432,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.135600,21.332432,-0.000000>,0.350000
<-16.135599,21.332432,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.135599,21.332432,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.504613,22.422220,-0.000000>,0.350000
<-14.428493,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.428493,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.428493,22.804905,-0.000000>,0.350000
<-15.428493,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.428493,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.428493,22.804905,-0.000000>,0.350000
<-16.352373,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.352373,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.504613,22.422220,-0.000000>,0.350000
<-14.428493,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.428493,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.428493,22.039537,-0.000000>,0.350000
<-15.352372,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.352372,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.352372,21.656855,-0.000000>,0.350000
<-15.735056,20.732975,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.735056,20.732975,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.735056,20.732975,-0.000000>,0.350000
<-16.442163,20.025867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.442163,20.025867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.442163,20.025867,-0.000000>,0.350000
<-17.366041,19.643185,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.366041,19.643185,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.352372,21.656855,-0.000000>,0.350000
<-16.352373,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.352373,21.656855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.352373,21.656855,-0.000000>,0.350000
<-17.276253,21.274170,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.276253,21.274170,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.276253,21.274170,-0.000000>,0.350000
<-17.983358,20.567064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.983358,20.567064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.656855,21.656855,-0.000000>,0.350000
<-10.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.580734,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.580734,22.039537,-0.000000>,0.350000
<-11.504613,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.504613,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.504613,22.422220,-0.000000>,0.350000
<-12.428493,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.428493,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.428493,22.039537,-0.000000>,0.350000
<-13.428493,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.428493,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.428493,22.039537,-0.000000>,0.350000
<-14.352372,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.352372,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.504613,22.422220,-0.000000>,0.350000
<-12.211720,23.129328,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.211720,23.129328,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.211720,23.129328,-0.000000>,0.350000
<-13.135600,23.512011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.135600,23.512011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.135600,23.512011,-0.000000>,0.350000
<-14.135600,23.512011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.135600,23.512011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.504613,22.422220,-0.000000>,0.350000
<-12.428493,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.428493,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.428493,22.804905,-0.000000>,0.350000
<-13.352372,23.187588,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.352372,23.187588,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.352372,23.187588,-0.000000>,0.350000
<-14.276252,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.276252,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.276252,22.804905,-0.000000>,0.350000
<-15.276252,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.276252,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.276252,22.804905,-0.000000>,0.350000
<-16.200132,23.187588,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.200132,23.187588,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.352372,23.187588,-0.000000>,0.350000
<-14.059479,23.894695,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.059479,23.894695,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.059479,23.894695,-0.000000>,0.350000
<-14.983358,24.277378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.983358,24.277378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.983358,24.277378,-0.000000>,0.350000
<-15.983358,24.277378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.983358,24.277378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.352372,23.187588,-0.000000>,0.350000
<-14.276252,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.276252,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.276252,22.804905,-0.000000>,0.350000
<-15.200131,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.200131,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.200131,22.422220,-0.000000>,0.350000
<-15.582815,21.498343,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.582815,21.498343,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.582815,21.498343,-0.000000>,0.350000
<-16.289921,20.791235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.289921,20.791235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.289921,20.791235,-0.000000>,0.350000
<-17.213800,20.408552,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.213800,20.408552,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.200131,22.422220,-0.000000>,0.350000
<-16.200132,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.200132,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.200132,22.422220,-0.000000>,0.350000
<-17.124010,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.124010,22.039537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.124010,22.039537,-0.000000>,0.350000
<-17.831118,21.332432,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.831118,21.332432,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.200131,22.422220,-0.000000>,0.350000
<-16.200132,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.200132,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.200132,22.422220,-0.000000>,0.350000
<-17.200132,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.200132,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.200132,22.422220,-0.000000>,0.350000
<-17.907238,21.715115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.907238,21.715115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.907238,21.715115,-0.000000>,0.350000
<-18.831118,21.332432,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.831118,21.332432,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.831118,21.332432,-0.000000>,0.350000
<-19.831118,21.332432,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.831118,21.332432,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.200132,22.422220,-0.000000>,0.350000
<-18.124010,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.124010,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.124010,22.804905,-0.000000>,0.350000
<-19.124010,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.124010,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.124010,22.804905,-0.000000>,0.350000
<-20.047890,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.047890,22.422220,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.200132,22.422220,-0.000000>,0.350000
<-18.124010,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.124010,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.124010,22.804905,-0.000000>,0.350000
<-19.047890,23.187588,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.047890,23.187588,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.047890,23.187588,-0.000000>,0.350000
<-19.971769,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.971769,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.971769,22.804905,-0.000000>,0.350000
<-20.971769,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.971769,22.804905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.971769,22.804905,-0.000000>,0.350000
<-21.895649,23.187588,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.895649,23.187588,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.047890,23.187588,-0.000000>,0.350000
<-19.754997,23.894695,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.754997,23.894695,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.754997,23.894695,-0.000000>,0.350000
<-20.678877,24.277378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.678877,24.277378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.678877,24.277378,-0.000000>,0.350000
<-21.678877,24.277378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.678877,24.277378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.352372,23.187588,-0.000000>,0.350000
<-14.059479,23.894695,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.059479,23.894695,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.059479,23.894695,-0.000000>,0.350000
<-14.766586,24.601801,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.766586,24.601801,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.766586,24.601801,-0.000000>,0.350000
<-15.766586,24.601801,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.766586,24.601801,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.766586,24.601801,-0.000000>,0.350000
<-16.690466,24.984486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.690466,24.984486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.690466,24.984486,-0.000000>,0.350000
<-17.397572,25.691591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.397572,25.691591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.766586,24.601801,-0.000000>,0.350000
<-15.149269,25.525681,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.149269,25.525681,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.149269,25.525681,-0.000000>,0.350000
<-15.856376,26.232788,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.856376,26.232788,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.856376,26.232788,-0.000000>,0.350000
<-16.780256,26.615471,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.780256,26.615471,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.766586,24.601801,-0.000000>,0.350000
<-15.690466,24.984486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.690466,24.984486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.690466,24.984486,-0.000000>,0.350000
<-16.614346,25.367168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.614346,25.367168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.614346,25.367168,-0.000000>,0.350000
<-17.538225,24.984486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.538225,24.984486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.538225,24.984486,-0.000000>,0.350000
<-18.538225,24.984486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.538225,24.984486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.538225,24.984486,-0.000000>,0.350000
<-19.462105,25.367168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.462105,25.367168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.614346,25.367168,-0.000000>,0.350000
<-17.321451,26.074276,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.321451,26.074276,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.321451,26.074276,-0.000000>,0.350000
<-18.245331,26.456959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.245331,26.456959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.245331,26.456959,-0.000000>,0.350000
<-19.245331,26.456959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.245331,26.456959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.614346,25.367168,-0.000000>,0.350000
<-17.614346,25.367168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.614346,25.367168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.614346,25.367168,-0.000000>,0.350000
<-18.614346,25.367168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.614346,25.367168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.614346,25.367168,-0.000000>,0.350000
<-19.321451,24.660061,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.321451,24.660061,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.321451,24.660061,-0.000000>,0.350000
<-20.245331,24.277378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.245331,24.277378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.245331,24.277378,-0.000000>,0.350000
<-21.245331,24.277378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.245331,24.277378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.614346,25.367168,-0.000000>,0.350000
<-19.538225,25.749851,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.538225,25.749851,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.538225,25.749851,-0.000000>,0.350000
<-20.538225,25.749851,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.538225,25.749851,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.538225,25.749851,-0.000000>,0.350000
<-21.462105,25.367168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.462105,25.367168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.352372,23.187588,-0.000000>,0.350000
<-14.059479,23.894695,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.059479,23.894695,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.059479,23.894695,-0.000000>,0.350000
<-14.766586,24.601801,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.766586,24.601801,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.766586,24.601801,-0.000000>,0.350000
<-15.766586,24.601801,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.766586,24.601801,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.766586,24.601801,-0.000000>,0.350000
<-16.690466,24.984486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.690466,24.984486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.690466,24.984486,-0.000000>,0.350000
<-17.397572,25.691591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.397572,25.691591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.766586,24.601801,-0.000000>,0.350000
<-15.149269,25.525681,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.149269,25.525681,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.149269,25.525681,-0.000000>,0.350000
<-15.856376,26.232788,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.856376,26.232788,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.856376,26.232788,-0.000000>,0.350000
<-16.780256,26.615471,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.780256,26.615471,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.766586,24.601801,-0.000000>,0.350000
<-15.473693,25.308908,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.473693,25.308908,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.473693,25.308908,-0.000000>,0.350000
<-16.180799,26.016016,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.180799,26.016016,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.180799,26.016016,-0.000000>,0.350000
<-17.180799,26.016016,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.180799,26.016016,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.180799,26.016016,-0.000000>,0.350000
<-18.104679,26.398699,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.104679,26.398699,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.104679,26.398699,-0.000000>,0.350000
<-18.811787,27.105804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.811787,27.105804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.180799,26.016016,-0.000000>,0.350000
<-16.563482,26.939894,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.563482,26.939894,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.563482,26.939894,-0.000000>,0.350000
<-17.270590,27.647001,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.270590,27.647001,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.270590,27.647001,-0.000000>,0.350000
<-18.194469,28.029684,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.194469,28.029684,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.180799,26.016016,-0.000000>,0.350000
<-17.180799,26.016016,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.180799,26.016016,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.180799,26.016016,-0.000000>,0.350000
<-18.180799,26.016016,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.180799,26.016016,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.180799,26.016016,-0.000000>,0.350000
<-18.887907,25.308908,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.887907,25.308908,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.887907,25.308908,-0.000000>,0.350000
<-19.811787,24.926226,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.811787,24.926226,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.811787,24.926226,-0.000000>,0.350000
<-20.811787,24.926226,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.811787,24.926226,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.180799,26.016016,-0.000000>,0.350000
<-19.104679,26.398699,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.104679,26.398699,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.104679,26.398699,-0.000000>,0.350000
<-20.104679,26.398699,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.104679,26.398699,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.104679,26.398699,-0.000000>,0.350000
<-21.028559,26.016016,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.028559,26.016016,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.180799,26.016016,-0.000000>,0.350000
<-19.104679,26.398699,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.104679,26.398699,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.104679,26.398699,-0.000000>,0.350000
<-20.028559,26.781382,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.028559,26.781382,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.028559,26.781382,-0.000000>,0.350000
<-20.952438,26.398699,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.952438,26.398699,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.952438,26.398699,-0.000000>,0.350000
<-21.952438,26.398699,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.952438,26.398699,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.952438,26.398699,-0.000000>,0.350000
<-22.876318,26.781382,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.876318,26.781382,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.028559,26.781382,-0.000000>,0.350000
<-20.735666,27.488489,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.735666,27.488489,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.735666,27.488489,-0.000000>,0.350000
<-21.659544,27.871172,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.659544,27.871172,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.659544,27.871172,-0.000000>,0.350000
<-22.659544,27.871172,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.659544,27.871172,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.028559,26.781382,-0.000000>,0.350000
<-20.735666,27.488489,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.735666,27.488489,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.735666,27.488489,-0.000000>,0.350000
<-21.442772,28.195595,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.442772,28.195595,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.442772,28.195595,-0.000000>,0.350000
<-22.442772,28.195595,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.442772,28.195595,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.442772,28.195595,-0.000000>,0.350000
<-23.366652,28.578279,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.366652,28.578279,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.366652,28.578279,-0.000000>,0.350000
<-24.073759,29.285385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.073759,29.285385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.442772,28.195595,-0.000000>,0.350000
<-21.825455,29.119474,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.825455,29.119474,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.825455,29.119474,-0.000000>,0.350000
<-22.532562,29.826582,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.532562,29.826582,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.532562,29.826582,-0.000000>,0.350000
<-23.456442,30.209265,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.456442,30.209265,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.180799,26.016016,-0.000000>,0.350000
<-16.563482,26.939894,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.563482,26.939894,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.563482,26.939894,-0.000000>,0.350000
<-16.946167,27.863773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.946167,27.863773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.946167,27.863773,-0.000000>,0.350000
<-17.870047,28.246458,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.870047,28.246458,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.870047,28.246458,-0.000000>,0.350000
<-18.577152,28.953564,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.577152,28.953564,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.577152,28.953564,-0.000000>,0.350000
<-18.959837,29.877443,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.959837,29.877443,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.946167,27.863773,-0.000000>,0.350000
<-16.946167,28.863773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.946167,28.863773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.946167,28.863773,-0.000000>,0.350000
<-17.328850,29.787653,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.328850,29.787653,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.328850,29.787653,-0.000000>,0.350000
<-18.035957,30.494761,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.035957,30.494761,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.946167,27.863773,-0.000000>,0.350000
<-17.653273,28.570881,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.653273,28.570881,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.653273,28.570881,-0.000000>,0.350000
<-18.360380,29.277988,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.360380,29.277988,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.360380,29.277988,-0.000000>,0.350000
<-19.360380,29.277988,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.360380,29.277988,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.360380,29.277988,-0.000000>,0.350000
<-20.284260,29.660671,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.284260,29.660671,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.284260,29.660671,-0.000000>,0.350000
<-20.991365,30.367779,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.991365,30.367779,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.360380,29.277988,-0.000000>,0.350000
<-18.743063,30.201868,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.743063,30.201868,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.743063,30.201868,-0.000000>,0.350000
<-19.450171,30.908974,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.450171,30.908974,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.450171,30.908974,-0.000000>,0.350000
<-20.374050,31.291658,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.374050,31.291658,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.360380,29.277988,-0.000000>,0.350000
<-19.284260,29.660671,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.284260,29.660671,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.284260,29.660671,-0.000000>,0.350000
<-20.208139,30.043354,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.208139,30.043354,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.208139,30.043354,-0.000000>,0.350000
<-21.132019,29.660671,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.132019,29.660671,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.132019,29.660671,-0.000000>,0.350000
<-22.132019,29.660671,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.132019,29.660671,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.132019,29.660671,-0.000000>,0.350000
<-23.055899,30.043354,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.055899,30.043354,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.208139,30.043354,-0.000000>,0.350000
<-20.915245,30.750462,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.915245,30.750462,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.915245,30.750462,-0.000000>,0.350000
<-21.839125,31.133144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.839125,31.133144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.839125,31.133144,-0.000000>,0.350000
<-22.839125,31.133144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.839125,31.133144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.656854,21.656855,-0.000000>,0.350000
<-6.039538,22.580734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.039538,22.580734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.039538,22.580734,-0.000000>,0.350000
<-6.422221,23.504614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.422221,23.504614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,23.504614,-0.000000>,0.350000
<-7.346101,23.887297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.346101,23.887297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.346101,23.887297,-0.000000>,0.350000
<-8.053207,24.594404,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.053207,24.594404,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.053207,24.594404,-0.000000>,0.350000
<-8.435891,25.518284,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.435891,25.518284,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,23.504614,-0.000000>,0.350000
<-6.422221,24.504614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.422221,24.504614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,24.504614,-0.000000>,0.350000
<-6.804904,25.428493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,25.428493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,25.428493,-0.000000>,0.350000
<-7.512012,26.135599,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.512012,26.135599,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,23.504614,-0.000000>,0.350000
<-6.804904,24.428493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,24.428493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,24.428493,-0.000000>,0.350000
<-7.187588,25.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,25.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,25.352373,-0.000000>,0.350000
<-8.111467,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.111467,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.111467,25.735056,-0.000000>,0.350000
<-8.818574,26.442163,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.818574,26.442163,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.818574,26.442163,-0.000000>,0.350000
<-9.201258,27.366041,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.201258,27.366041,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,25.352373,-0.000000>,0.350000
<-7.187588,26.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,26.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,26.352373,-0.000000>,0.350000
<-7.570271,27.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,27.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,27.276253,-0.000000>,0.350000
<-8.277378,27.983358,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.277378,27.983358,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,25.352373,-0.000000>,0.350000
<-8.111467,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.111467,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.111467,25.735056,-0.000000>,0.350000
<-9.035347,26.117739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.035347,26.117739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.035347,26.117739,-0.000000>,0.350000
<-9.959227,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.959227,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.959227,25.735056,-0.000000>,0.350000
<-10.959227,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.959227,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.959227,25.735056,-0.000000>,0.350000
<-11.883106,26.117739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.883106,26.117739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.035347,26.117739,-0.000000>,0.350000
<-9.742454,26.824846,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.742454,26.824846,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.742454,26.824846,-0.000000>,0.350000
<-10.666333,27.207529,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.666333,27.207529,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.666333,27.207529,-0.000000>,0.350000
<-11.666333,27.207529,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.666333,27.207529,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.035347,26.117739,-0.000000>,0.350000
<-9.742454,26.824846,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.742454,26.824846,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.742454,26.824846,-0.000000>,0.350000
<-10.449560,27.531952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.449560,27.531952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.449560,27.531952,-0.000000>,0.350000
<-11.449560,27.531952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.449560,27.531952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.449560,27.531952,-0.000000>,0.350000
<-12.373440,27.914637,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.373440,27.914637,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.373440,27.914637,-0.000000>,0.350000
<-13.080547,28.621742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.080547,28.621742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.449560,27.531952,-0.000000>,0.350000
<-10.832244,28.455832,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.832244,28.455832,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.832244,28.455832,-0.000000>,0.350000
<-11.539351,29.162939,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.539351,29.162939,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.539351,29.162939,-0.000000>,0.350000
<-12.463230,29.545622,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.463230,29.545622,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.449560,27.531952,-0.000000>,0.350000
<-10.832244,28.455832,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.832244,28.455832,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.832244,28.455832,-0.000000>,0.350000
<-11.214928,29.379711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.214928,29.379711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.214928,29.379711,-0.000000>,0.350000
<-12.138807,29.762396,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.138807,29.762396,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.138807,29.762396,-0.000000>,0.350000
<-12.845914,30.469501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.845914,30.469501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.845914,30.469501,-0.000000>,0.350000
<-13.228598,31.393381,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.228598,31.393381,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.214928,29.379711,-0.000000>,0.350000
<-11.214928,30.379711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.214928,30.379711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.214928,30.379711,-0.000000>,0.350000
<-11.597610,31.303591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.597610,31.303591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.597610,31.303591,-0.000000>,0.350000
<-12.304718,32.010696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.304718,32.010696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,25.352373,-0.000000>,0.350000
<-7.187588,26.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,26.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,26.352373,-0.000000>,0.350000
<-7.187588,27.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,27.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,27.352373,-0.000000>,0.350000
<-7.894695,28.059479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.894695,28.059479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.894695,28.059479,-0.000000>,0.350000
<-8.277378,28.983358,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.277378,28.983358,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.277378,28.983358,-0.000000>,0.350000
<-8.277378,29.983358,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.277378,29.983358,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,27.352373,-0.000000>,0.350000
<-6.804904,28.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,28.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,28.276253,-0.000000>,0.350000
<-6.804904,29.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,29.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,29.276253,-0.000000>,0.350000
<-7.187588,30.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,30.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,27.352373,-0.000000>,0.350000
<-7.570271,28.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,28.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,28.276253,-0.000000>,0.350000
<-7.952955,29.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,29.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,29.200132,-0.000000>,0.350000
<-8.876834,29.582815,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.876834,29.582815,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.876834,29.582815,-0.000000>,0.350000
<-9.583941,30.289921,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.583941,30.289921,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.583941,30.289921,-0.000000>,0.350000
<-9.966624,31.213800,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.966624,31.213800,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,29.200132,-0.000000>,0.350000
<-7.952955,30.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,30.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,30.200132,-0.000000>,0.350000
<-8.335638,31.124010,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,31.124010,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,31.124010,-0.000000>,0.350000
<-9.042745,31.831118,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042745,31.831118,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,29.200132,-0.000000>,0.350000
<-8.660062,29.907238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.660062,29.907238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.660062,29.907238,-0.000000>,0.350000
<-9.367168,30.614346,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.367168,30.614346,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.367168,30.614346,-0.000000>,0.350000
<-10.367168,30.614346,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.367168,30.614346,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.367168,30.614346,-0.000000>,0.350000
<-11.291048,30.997028,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.291048,30.997028,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.291048,30.997028,-0.000000>,0.350000
<-11.998155,31.704136,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.998155,31.704136,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.367168,30.614346,-0.000000>,0.350000
<-9.749852,31.538225,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.749852,31.538225,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.749852,31.538225,-0.000000>,0.350000
<-10.456959,32.245331,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.456959,32.245331,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.456959,32.245331,-0.000000>,0.350000
<-11.380838,32.628014,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.380838,32.628014,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,25.352373,-0.000000>,0.350000
<-7.894695,26.059479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.894695,26.059479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.894695,26.059479,-0.000000>,0.350000
<-8.601802,26.766586,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.601802,26.766586,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.601802,26.766586,-0.000000>,0.350000
<-9.601802,26.766586,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.601802,26.766586,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.601802,26.766586,-0.000000>,0.350000
<-10.525681,27.149269,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.525681,27.149269,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.525681,27.149269,-0.000000>,0.350000
<-11.232788,27.856377,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.232788,27.856377,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.601802,26.766586,-0.000000>,0.350000
<-8.984485,27.690466,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.984485,27.690466,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.984485,27.690466,-0.000000>,0.350000
<-9.691592,28.397572,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.691592,28.397572,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.691592,28.397572,-0.000000>,0.350000
<-10.615471,28.780256,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.615471,28.780256,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.601802,26.766586,-0.000000>,0.350000
<-9.308908,27.473692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.308908,27.473692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.308908,27.473692,-0.000000>,0.350000
<-10.016015,28.180799,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.016015,28.180799,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.016015,28.180799,-0.000000>,0.350000
<-11.016015,28.180799,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.016015,28.180799,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.016015,28.180799,-0.000000>,0.350000
<-11.939895,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.939895,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.939895,28.563482,-0.000000>,0.350000
<-12.647001,29.270590,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.647001,29.270590,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.016015,28.180799,-0.000000>,0.350000
<-10.398699,29.104679,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.398699,29.104679,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.398699,29.104679,-0.000000>,0.350000
<-11.105805,29.811787,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.105805,29.811787,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.105805,29.811787,-0.000000>,0.350000
<-12.029685,30.194469,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.029685,30.194469,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.016015,28.180799,-0.000000>,0.350000
<-11.016015,28.180799,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.016015,28.180799,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.016015,28.180799,-0.000000>,0.350000
<-12.016015,28.180799,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.016015,28.180799,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.016015,28.180799,-0.000000>,0.350000
<-12.723122,27.473692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.723122,27.473692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.723122,27.473692,-0.000000>,0.350000
<-13.647001,27.091009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.647001,27.091009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.647001,27.091009,-0.000000>,0.350000
<-14.647001,27.091009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.647001,27.091009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.016015,28.180799,-0.000000>,0.350000
<-12.939895,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.939895,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.939895,28.563482,-0.000000>,0.350000
<-13.939895,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.939895,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.939895,28.563482,-0.000000>,0.350000
<-14.863774,28.180799,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.863774,28.180799,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.016015,28.180799,-0.000000>,0.350000
<-12.939895,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.939895,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.939895,28.563482,-0.000000>,0.350000
<-13.863774,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.863774,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.863774,28.946167,-0.000000>,0.350000
<-14.787654,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.787654,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.787654,28.563482,-0.000000>,0.350000
<-15.787654,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.787654,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.787654,28.563482,-0.000000>,0.350000
<-16.711533,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.711533,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.863774,28.946167,-0.000000>,0.350000
<-14.570881,29.653273,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.570881,29.653273,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.570881,29.653273,-0.000000>,0.350000
<-15.494761,30.035957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.494761,30.035957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.494761,30.035957,-0.000000>,0.350000
<-16.494761,30.035957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.494761,30.035957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.863774,28.946167,-0.000000>,0.350000
<-14.570881,29.653273,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.570881,29.653273,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.570881,29.653273,-0.000000>,0.350000
<-15.277987,30.360380,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.277987,30.360380,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.277987,30.360380,-0.000000>,0.350000
<-16.277988,30.360380,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.277988,30.360380,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.277988,30.360380,-0.000000>,0.350000
<-17.201868,30.743063,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.201868,30.743063,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.201868,30.743063,-0.000000>,0.350000
<-17.908974,31.450171,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.908974,31.450171,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.277987,30.360380,-0.000000>,0.350000
<-15.660671,31.284260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.660671,31.284260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.660671,31.284260,-0.000000>,0.350000
<-16.367779,31.991365,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.367779,31.991365,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.367779,31.991365,-0.000000>,0.350000
<-17.291658,32.374050,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.291658,32.374050,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.016015,28.180799,-0.000000>,0.350000
<-10.398699,29.104679,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.398699,29.104679,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.398699,29.104679,-0.000000>,0.350000
<-10.781382,30.028559,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.781382,30.028559,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.781382,30.028559,-0.000000>,0.350000
<-11.705261,30.411242,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.705261,30.411242,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.705261,30.411242,-0.000000>,0.350000
<-12.412368,31.118349,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.412368,31.118349,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.412368,31.118349,-0.000000>,0.350000
<-12.795052,32.042229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.795052,32.042229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.781382,30.028559,-0.000000>,0.350000
<-10.781382,31.028559,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.781382,31.028559,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.781382,31.028559,-0.000000>,0.350000
<-11.164065,31.952438,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.164065,31.952438,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.164065,31.952438,-0.000000>,0.350000
<-11.871172,32.659546,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.871172,32.659546,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.781382,30.028559,-0.000000>,0.350000
<-11.488489,30.735666,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.488489,30.735666,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.488489,30.735666,-0.000000>,0.350000
<-12.195596,31.442772,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.195596,31.442772,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.195596,31.442772,-0.000000>,0.350000
<-13.195596,31.442772,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.195596,31.442772,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.195596,31.442772,-0.000000>,0.350000
<-14.119475,31.825455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.119475,31.825455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.119475,31.825455,-0.000000>,0.350000
<-14.826582,32.532562,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.826582,32.532562,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.195596,31.442772,-0.000000>,0.350000
<-12.578279,32.366653,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.578279,32.366653,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.578279,32.366653,-0.000000>,0.350000
<-13.285386,33.073757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.285386,33.073757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.285386,33.073757,-0.000000>,0.350000
<-14.209266,33.456440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.209266,33.456440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.195596,31.442772,-0.000000>,0.350000
<-13.119475,31.825455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.119475,31.825455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.119475,31.825455,-0.000000>,0.350000
<-14.043355,32.208138,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.043355,32.208138,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.043355,32.208138,-0.000000>,0.350000
<-14.967234,31.825455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.967234,31.825455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.967234,31.825455,-0.000000>,0.350000
<-15.967234,31.825455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.967234,31.825455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.967234,31.825455,-0.000000>,0.350000
<-16.891113,32.208138,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.891113,32.208138,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.043355,32.208138,-0.000000>,0.350000
<-14.750462,32.915245,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.750462,32.915245,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.750462,32.915245,-0.000000>,0.350000
<-15.674341,33.297928,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.674341,33.297928,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.674341,33.297928,-0.000000>,0.350000
<-16.674341,33.297928,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.674341,33.297928,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.016015,28.180799,-0.000000>,0.350000
<-10.939895,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.939895,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.939895,28.563482,-0.000000>,0.350000
<-11.863774,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.863774,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.863774,28.946167,-0.000000>,0.350000
<-12.787654,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.787654,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.787654,28.563482,-0.000000>,0.350000
<-13.787654,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.787654,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.787654,28.563482,-0.000000>,0.350000
<-14.711534,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.711534,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.863774,28.946167,-0.000000>,0.350000
<-12.570881,29.653273,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.570881,29.653273,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.570881,29.653273,-0.000000>,0.350000
<-13.494761,30.035957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.494761,30.035957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.494761,30.035957,-0.000000>,0.350000
<-14.494761,30.035957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.494761,30.035957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.863774,28.946167,-0.000000>,0.350000
<-12.787654,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.787654,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.787654,29.328850,-0.000000>,0.350000
<-13.711534,29.711533,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.711534,29.711533,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.711534,29.711533,-0.000000>,0.350000
<-14.635413,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.635413,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.635413,29.328850,-0.000000>,0.350000
<-15.635413,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.635413,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.635413,29.328850,-0.000000>,0.350000
<-16.559292,29.711533,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.559292,29.711533,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.711534,29.711533,-0.000000>,0.350000
<-14.418640,30.418640,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.418640,30.418640,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.418640,30.418640,-0.000000>,0.350000
<-15.342520,30.801323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.342520,30.801323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.342520,30.801323,-0.000000>,0.350000
<-16.342520,30.801323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.342520,30.801323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.711534,29.711533,-0.000000>,0.350000
<-14.635413,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.635413,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.635413,29.328850,-0.000000>,0.350000
<-15.559292,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.559292,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.559292,28.946167,-0.000000>,0.350000
<-15.941976,28.022287,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.941976,28.022287,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.941976,28.022287,-0.000000>,0.350000
<-16.649082,27.315180,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.649082,27.315180,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.649082,27.315180,-0.000000>,0.350000
<-17.572962,26.932497,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.572962,26.932497,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.559292,28.946167,-0.000000>,0.350000
<-16.559292,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.559292,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.559292,28.946167,-0.000000>,0.350000
<-17.483171,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.483171,28.563482,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.483171,28.563482,-0.000000>,0.350000
<-18.190279,27.856377,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.190279,27.856377,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.559292,28.946167,-0.000000>,0.350000
<-16.559292,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.559292,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.559292,28.946167,-0.000000>,0.350000
<-17.559292,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.559292,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.559292,28.946167,-0.000000>,0.350000
<-18.266399,28.239059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.266399,28.239059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.266399,28.239059,-0.000000>,0.350000
<-19.190279,27.856377,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.190279,27.856377,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.190279,27.856377,-0.000000>,0.350000
<-20.190279,27.856377,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.190279,27.856377,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.559292,28.946167,-0.000000>,0.350000
<-18.483171,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.483171,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.483171,29.328850,-0.000000>,0.350000
<-19.483171,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.483171,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.483171,29.328850,-0.000000>,0.350000
<-20.407051,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.407051,28.946167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.559292,28.946167,-0.000000>,0.350000
<-18.483171,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.483171,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.483171,29.328850,-0.000000>,0.350000
<-19.407051,29.711533,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.407051,29.711533,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.407051,29.711533,-0.000000>,0.350000
<-20.330931,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.330931,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.330931,29.328850,-0.000000>,0.350000
<-21.330931,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.330931,29.328850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.330931,29.328850,-0.000000>,0.350000
<-22.254810,29.711533,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.254810,29.711533,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.407051,29.711533,-0.000000>,0.350000
<-20.114159,30.418640,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.114159,30.418640,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.114159,30.418640,-0.000000>,0.350000
<-21.038038,30.801323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.038038,30.801323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.038038,30.801323,-0.000000>,0.350000
<-22.038038,30.801323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.038038,30.801323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.711534,29.711533,-0.000000>,0.350000
<-14.418640,30.418640,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.418640,30.418640,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.418640,30.418640,-0.000000>,0.350000
<-15.125747,31.125748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.125747,31.125748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.125747,31.125748,-0.000000>,0.350000
<-16.125748,31.125748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.125748,31.125748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.125748,31.125748,-0.000000>,0.350000
<-17.049625,31.508430,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.049625,31.508430,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.049625,31.508430,-0.000000>,0.350000
<-17.756733,32.215538,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.756733,32.215538,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.125747,31.125748,-0.000000>,0.350000
<-15.508430,32.049625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.508430,32.049625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.508430,32.049625,-0.000000>,0.350000
<-16.215536,32.756733,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.215536,32.756733,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.215536,32.756733,-0.000000>,0.350000
<-17.139416,33.139416,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.139416,33.139416,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.125747,31.125748,-0.000000>,0.350000
<-16.049625,31.508430,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.049625,31.508430,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.049625,31.508430,-0.000000>,0.350000
<-16.973505,31.891113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.973505,31.891113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.973505,31.891113,-0.000000>,0.350000
<-17.897385,31.508430,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.897385,31.508430,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.897385,31.508430,-0.000000>,0.350000
<-18.897385,31.508430,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.897385,31.508430,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.897385,31.508430,-0.000000>,0.350000
<-19.821264,31.891113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.821264,31.891113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.973505,31.891113,-0.000000>,0.350000
<-17.680613,32.598221,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.680613,32.598221,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.680613,32.598221,-0.000000>,0.350000
<-18.604492,32.980904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.604492,32.980904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.604492,32.980904,-0.000000>,0.350000
<-19.604492,32.980904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.604492,32.980904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.973505,31.891113,-0.000000>,0.350000
<-17.973505,31.891113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.973505,31.891113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.973505,31.891113,-0.000000>,0.350000
<-18.973505,31.891113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.973505,31.891113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.973505,31.891113,-0.000000>,0.350000
<-19.680613,31.184008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.680613,31.184008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.680613,31.184008,-0.000000>,0.350000
<-20.604492,30.801323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.604492,30.801323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.604492,30.801323,-0.000000>,0.350000
<-21.604492,30.801323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.604492,30.801323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.973505,31.891113,-0.000000>,0.350000
<-19.897385,32.273796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.897385,32.273796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.897385,32.273796,-0.000000>,0.350000
<-20.897385,32.273796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.897385,32.273796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.897385,32.273796,-0.000000>,0.350000
<-21.821264,31.891113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.821264,31.891113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.656854,21.656855,-0.000000>,0.350000
<-6.039538,22.580734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.039538,22.580734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.039538,22.580734,-0.000000>,0.350000
<-6.422221,23.504614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.422221,23.504614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,23.504614,-0.000000>,0.350000
<-7.346101,23.887297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.346101,23.887297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.346101,23.887297,-0.000000>,0.350000
<-8.053207,24.594404,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.053207,24.594404,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.053207,24.594404,-0.000000>,0.350000
<-8.435891,25.518284,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.435891,25.518284,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,23.504614,-0.000000>,0.350000
<-6.422221,24.504614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.422221,24.504614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,24.504614,-0.000000>,0.350000
<-6.804904,25.428493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,25.428493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,25.428493,-0.000000>,0.350000
<-7.512012,26.135599,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.512012,26.135599,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,23.504614,-0.000000>,0.350000
<-6.804904,24.428493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,24.428493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,24.428493,-0.000000>,0.350000
<-7.187588,25.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,25.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,25.352373,-0.000000>,0.350000
<-8.111467,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.111467,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.111467,25.735056,-0.000000>,0.350000
<-8.818574,26.442163,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.818574,26.442163,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.818574,26.442163,-0.000000>,0.350000
<-9.201258,27.366041,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.201258,27.366041,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,25.352373,-0.000000>,0.350000
<-7.187588,26.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,26.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,26.352373,-0.000000>,0.350000
<-7.570271,27.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,27.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,27.276253,-0.000000>,0.350000
<-8.277378,27.983358,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.277378,27.983358,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,25.352373,-0.000000>,0.350000
<-8.111467,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.111467,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.111467,25.735056,-0.000000>,0.350000
<-9.035347,26.117739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.035347,26.117739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.035347,26.117739,-0.000000>,0.350000
<-9.959227,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.959227,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.959227,25.735056,-0.000000>,0.350000
<-10.959227,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.959227,25.735056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.959227,25.735056,-0.000000>,0.350000
<-11.883106,26.117739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.883106,26.117739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.035347,26.117739,-0.000000>,0.350000
<-9.742454,26.824846,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.742454,26.824846,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.742454,26.824846,-0.000000>,0.350000
<-10.666333,27.207529,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.666333,27.207529,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.666333,27.207529,-0.000000>,0.350000
<-11.666333,27.207529,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.666333,27.207529,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.035347,26.117739,-0.000000>,0.350000
<-9.742454,26.824846,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.742454,26.824846,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.742454,26.824846,-0.000000>,0.350000
<-10.449560,27.531952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.449560,27.531952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.449560,27.531952,-0.000000>,0.350000
<-11.449560,27.531952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.449560,27.531952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.449560,27.531952,-0.000000>,0.350000
<-12.373440,27.914637,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.373440,27.914637,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.373440,27.914637,-0.000000>,0.350000
<-13.080547,28.621742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.080547,28.621742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.449560,27.531952,-0.000000>,0.350000
<-10.832244,28.455832,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.832244,28.455832,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.832244,28.455832,-0.000000>,0.350000
<-11.539351,29.162939,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.539351,29.162939,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.539351,29.162939,-0.000000>,0.350000
<-12.463230,29.545622,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.463230,29.545622,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.449560,27.531952,-0.000000>,0.350000
<-10.832244,28.455832,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.832244,28.455832,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.832244,28.455832,-0.000000>,0.350000
<-11.214928,29.379711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.214928,29.379711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.214928,29.379711,-0.000000>,0.350000
<-12.138807,29.762396,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.138807,29.762396,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.138807,29.762396,-0.000000>,0.350000
<-12.845914,30.469501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.845914,30.469501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.845914,30.469501,-0.000000>,0.350000
<-13.228598,31.393381,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.228598,31.393381,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.214928,29.379711,-0.000000>,0.350000
<-11.214928,30.379711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.214928,30.379711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.214928,30.379711,-0.000000>,0.350000
<-11.597610,31.303591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.597610,31.303591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.597610,31.303591,-0.000000>,0.350000
<-12.304718,32.010696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.304718,32.010696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,25.352373,-0.000000>,0.350000
<-7.187588,26.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,26.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,26.352373,-0.000000>,0.350000
<-7.187588,27.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,27.352373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,27.352373,-0.000000>,0.350000
<-7.894695,28.059479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.894695,28.059479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.894695,28.059479,-0.000000>,0.350000
<-8.277378,28.983358,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.277378,28.983358,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.277378,28.983358,-0.000000>,0.350000
<-8.277378,29.983358,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.277378,29.983358,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,27.352373,-0.000000>,0.350000
<-6.804904,28.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,28.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,28.276253,-0.000000>,0.350000
<-6.804904,29.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,29.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,29.276253,-0.000000>,0.350000
<-7.187588,30.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,30.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,27.352373,-0.000000>,0.350000
<-7.570271,28.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,28.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,28.276253,-0.000000>,0.350000
<-7.952955,29.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,29.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,29.200132,-0.000000>,0.350000
<-8.876834,29.582815,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.876834,29.582815,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.876834,29.582815,-0.000000>,0.350000
<-9.583941,30.289921,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.583941,30.289921,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.583941,30.289921,-0.000000>,0.350000
<-9.966624,31.213800,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.966624,31.213800,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,29.200132,-0.000000>,0.350000
<-7.952955,30.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,30.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,30.200132,-0.000000>,0.350000
<-8.335638,31.124010,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,31.124010,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,31.124010,-0.000000>,0.350000
<-9.042745,31.831118,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042745,31.831118,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,29.200132,-0.000000>,0.350000
<-8.660062,29.907238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.660062,29.907238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.660062,29.907238,-0.000000>,0.350000
<-9.367168,30.614346,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.367168,30.614346,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.367168,30.614346,-0.000000>,0.350000
<-10.367168,30.614346,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.367168,30.614346,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.367168,30.614346,-0.000000>,0.350000
<-11.291048,30.997028,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.291048,30.997028,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.291048,30.997028,-0.000000>,0.350000
<-11.998155,31.704136,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.998155,31.704136,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.367168,30.614346,-0.000000>,0.350000
<-9.749852,31.538225,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.749852,31.538225,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.749852,31.538225,-0.000000>,0.350000
<-10.456959,32.245331,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.456959,32.245331,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.456959,32.245331,-0.000000>,0.350000
<-11.380838,32.628014,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.380838,32.628014,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,25.352373,-0.000000>,0.350000
<-7.570271,26.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,26.276253,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,26.276253,-0.000000>,0.350000
<-7.952955,27.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,27.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,27.200132,-0.000000>,0.350000
<-8.876834,27.582815,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.876834,27.582815,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.876834,27.582815,-0.000000>,0.350000
<-9.583941,28.289921,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.583941,28.289921,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.583941,28.289921,-0.000000>,0.350000
<-9.966624,29.213800,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.966624,29.213800,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,27.200132,-0.000000>,0.350000
<-7.952955,28.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,28.200132,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,28.200132,-0.000000>,0.350000
<-8.335638,29.124010,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,29.124010,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,29.124010,-0.000000>,0.350000
<-9.042745,29.831118,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042745,29.831118,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,27.200132,-0.000000>,0.350000
<-8.335638,28.124010,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,28.124010,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,28.124010,-0.000000>,0.350000
<-8.718322,29.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,29.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,29.047890,-0.000000>,0.350000
<-9.642201,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.642201,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.642201,29.430574,-0.000000>,0.350000
<-10.349308,30.137680,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.349308,30.137680,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.349308,30.137680,-0.000000>,0.350000
<-10.731992,31.061560,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.731992,31.061560,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,29.047890,-0.000000>,0.350000
<-8.718322,30.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,30.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,30.047890,-0.000000>,0.350000
<-9.101006,30.971769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.101006,30.971769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.101006,30.971769,-0.000000>,0.350000
<-9.808112,31.678877,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,31.678877,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,29.047890,-0.000000>,0.350000
<-9.642201,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.642201,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.642201,29.430574,-0.000000>,0.350000
<-10.566081,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.566081,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,29.813257,-0.000000>,0.350000
<-11.489961,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.489961,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.489961,29.430574,-0.000000>,0.350000
<-12.489961,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.489961,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.489961,29.430574,-0.000000>,0.350000
<-13.413840,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.413840,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,29.813257,-0.000000>,0.350000
<-11.273188,30.520365,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.273188,30.520365,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.273188,30.520365,-0.000000>,0.350000
<-12.197067,30.903048,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.197067,30.903048,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.197067,30.903048,-0.000000>,0.350000
<-13.197067,30.903048,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.197067,30.903048,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,29.813257,-0.000000>,0.350000
<-11.273188,30.520365,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.273188,30.520365,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.273188,30.520365,-0.000000>,0.350000
<-11.980294,31.227470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.980294,31.227470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.980294,31.227470,-0.000000>,0.350000
<-12.980294,31.227470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.980294,31.227470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.980294,31.227470,-0.000000>,0.350000
<-13.904174,31.610155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.904174,31.610155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.904174,31.610155,-0.000000>,0.350000
<-14.611280,32.317261,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.611280,32.317261,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.980294,31.227470,-0.000000>,0.350000
<-12.362978,32.151352,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.362978,32.151352,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.362978,32.151352,-0.000000>,0.350000
<-13.070085,32.858456,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.070085,32.858456,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.070085,32.858456,-0.000000>,0.350000
<-13.993964,33.241142,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.993964,33.241142,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.980294,31.227470,-0.000000>,0.350000
<-12.362978,32.151352,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.362978,32.151352,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.362978,32.151352,-0.000000>,0.350000
<-12.745661,33.075230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.745661,33.075230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.745661,33.075230,-0.000000>,0.350000
<-13.669540,33.457912,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.669540,33.457912,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.669540,33.457912,-0.000000>,0.350000
<-14.376648,34.165020,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.376648,34.165020,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.376648,34.165020,-0.000000>,0.350000
<-14.759331,35.088902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.759331,35.088902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.745661,33.075230,-0.000000>,0.350000
<-12.745661,34.075230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.745661,34.075230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.745661,34.075230,-0.000000>,0.350000
<-13.128345,34.999111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.128345,34.999111,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.128345,34.999111,-0.000000>,0.350000
<-13.835451,35.706215,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.835451,35.706215,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,29.047890,-0.000000>,0.350000
<-8.718322,30.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,30.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,30.047890,-0.000000>,0.350000
<-8.718322,31.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,31.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,31.047890,-0.000000>,0.350000
<-9.425428,31.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.425428,31.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.425428,31.754997,-0.000000>,0.350000
<-9.808112,32.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,32.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.808112,32.678875,-0.000000>,0.350000
<-9.808112,33.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,33.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,31.047890,-0.000000>,0.350000
<-8.335638,31.971769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,31.971769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,31.971769,-0.000000>,0.350000
<-8.335638,32.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,32.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,32.971771,-0.000000>,0.350000
<-8.718322,33.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,33.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,31.047890,-0.000000>,0.350000
<-9.101006,31.971769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.101006,31.971769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.101006,31.971769,-0.000000>,0.350000
<-9.483688,32.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.483688,32.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,32.895649,-0.000000>,0.350000
<-10.407568,33.278332,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407568,33.278332,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407568,33.278332,-0.000000>,0.350000
<-11.114675,33.985439,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.114675,33.985439,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.114675,33.985439,-0.000000>,0.350000
<-11.497358,34.909321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.497358,34.909321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,32.895649,-0.000000>,0.350000
<-9.483688,33.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.483688,33.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,33.895649,-0.000000>,0.350000
<-9.866372,34.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.866372,34.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.866372,34.819530,-0.000000>,0.350000
<-10.573479,35.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.573479,35.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,32.895649,-0.000000>,0.350000
<-10.190795,33.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.190795,33.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.190795,33.602757,-0.000000>,0.350000
<-10.897902,34.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,34.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,34.309864,-0.000000>,0.350000
<-11.897902,34.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.897902,34.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.897902,34.309864,-0.000000>,0.350000
<-12.821782,34.692547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.821782,34.692547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.821782,34.692547,-0.000000>,0.350000
<-13.528889,35.399654,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.528889,35.399654,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,34.309864,-0.000000>,0.350000
<-11.280585,35.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.280585,35.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.280585,35.233742,-0.000000>,0.350000
<-11.987692,35.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.987692,35.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.987692,35.940849,-0.000000>,0.350000
<-12.911572,36.323532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.911572,36.323532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,29.047890,-0.000000>,0.350000
<-9.642201,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.642201,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.642201,29.430574,-0.000000>,0.350000
<-10.566081,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.566081,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,29.813257,-0.000000>,0.350000
<-11.489961,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.489961,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.489961,29.430574,-0.000000>,0.350000
<-12.489961,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.489961,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.489961,29.430574,-0.000000>,0.350000
<-13.413840,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.413840,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,29.813257,-0.000000>,0.350000
<-11.273188,30.520365,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.273188,30.520365,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.273188,30.520365,-0.000000>,0.350000
<-12.197067,30.903048,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.197067,30.903048,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.197067,30.903048,-0.000000>,0.350000
<-13.197067,30.903048,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.197067,30.903048,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,29.813257,-0.000000>,0.350000
<-11.489961,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.489961,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.489961,30.195940,-0.000000>,0.350000
<-12.413840,30.578625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.413840,30.578625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.413840,30.578625,-0.000000>,0.350000
<-13.337719,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.337719,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.337719,30.195940,-0.000000>,0.350000
<-14.337719,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.337719,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.337719,30.195940,-0.000000>,0.350000
<-15.261599,30.578625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.261599,30.578625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.413840,30.578625,-0.000000>,0.350000
<-13.120947,31.285730,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.120947,31.285730,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.120947,31.285730,-0.000000>,0.350000
<-14.044827,31.668415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.044827,31.668415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.044827,31.668415,-0.000000>,0.350000
<-15.044827,31.668415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.044827,31.668415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.413840,30.578625,-0.000000>,0.350000
<-13.337719,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.337719,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.337719,30.195940,-0.000000>,0.350000
<-14.261599,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.261599,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.261599,29.813257,-0.000000>,0.350000
<-14.644282,28.889378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.644282,28.889378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.644282,28.889378,-0.000000>,0.350000
<-15.351389,28.182272,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.351389,28.182272,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.351389,28.182272,-0.000000>,0.350000
<-16.275269,27.799587,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.275269,27.799587,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.261599,29.813257,-0.000000>,0.350000
<-15.261599,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.261599,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.261599,29.813257,-0.000000>,0.350000
<-16.185478,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.185478,29.430574,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.185478,29.430574,-0.000000>,0.350000
<-16.892586,28.723467,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.892586,28.723467,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.261599,29.813257,-0.000000>,0.350000
<-15.261599,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.261599,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.261599,29.813257,-0.000000>,0.350000
<-16.261599,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.261599,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.261599,29.813257,-0.000000>,0.350000
<-16.968706,29.106150,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.968706,29.106150,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.968706,29.106150,-0.000000>,0.350000
<-17.892586,28.723467,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.892586,28.723467,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.892586,28.723467,-0.000000>,0.350000
<-18.892586,28.723467,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.892586,28.723467,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.261599,29.813257,-0.000000>,0.350000
<-17.185478,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.185478,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.185478,30.195940,-0.000000>,0.350000
<-18.185478,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.185478,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.185478,30.195940,-0.000000>,0.350000
<-19.109358,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.109358,29.813257,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.261599,29.813257,-0.000000>,0.350000
<-17.185478,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.185478,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.185478,30.195940,-0.000000>,0.350000
<-18.109358,30.578625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.109358,30.578625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.109358,30.578625,-0.000000>,0.350000
<-19.033237,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.033237,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.033237,30.195940,-0.000000>,0.350000
<-20.033237,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.033237,30.195940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.033237,30.195940,-0.000000>,0.350000
<-20.957117,30.578625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.957117,30.578625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.109358,30.578625,-0.000000>,0.350000
<-18.816465,31.285730,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.816465,31.285730,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.816465,31.285730,-0.000000>,0.350000
<-19.740345,31.668415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.740345,31.668415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.740345,31.668415,-0.000000>,0.350000
<-20.740345,31.668415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.740345,31.668415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.413840,30.578625,-0.000000>,0.350000
<-13.120947,31.285730,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.120947,31.285730,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.120947,31.285730,-0.000000>,0.350000
<-13.828053,31.992838,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.828053,31.992838,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.828053,31.992838,-0.000000>,0.350000
<-14.828053,31.992838,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.828053,31.992838,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.828053,31.992838,-0.000000>,0.350000
<-15.751933,32.375523,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.751933,32.375523,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.751933,32.375523,-0.000000>,0.350000
<-16.459040,33.082626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.459040,33.082626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.828053,31.992838,-0.000000>,0.350000
<-14.210737,32.916718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.210737,32.916718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.210737,32.916718,-0.000000>,0.350000
<-14.917844,33.623825,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.917844,33.623825,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.917844,33.623825,-0.000000>,0.350000
<-15.841723,34.006508,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.841723,34.006508,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.828053,31.992838,-0.000000>,0.350000
<-14.751933,32.375523,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.751933,32.375523,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.751933,32.375523,-0.000000>,0.350000
<-15.675813,32.758205,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.675813,32.758205,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.675813,32.758205,-0.000000>,0.350000
<-16.599691,32.375523,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.599691,32.375523,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.599691,32.375523,-0.000000>,0.350000
<-17.599691,32.375523,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.599691,32.375523,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.599691,32.375523,-0.000000>,0.350000
<-18.523571,32.758205,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.523571,32.758205,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.675813,32.758205,-0.000000>,0.350000
<-16.382919,33.465313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.382919,33.465313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.382919,33.465313,-0.000000>,0.350000
<-17.306799,33.847996,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.306799,33.847996,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.306799,33.847996,-0.000000>,0.350000
<-18.306799,33.847996,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.306799,33.847996,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.675813,32.758205,-0.000000>,0.350000
<-16.675812,32.758205,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.675812,32.758205,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.675812,32.758205,-0.000000>,0.350000
<-17.675812,32.758205,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.675812,32.758205,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.675812,32.758205,-0.000000>,0.350000
<-18.382919,32.051098,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.382919,32.051098,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.382919,32.051098,-0.000000>,0.350000
<-19.306799,31.668415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.306799,31.668415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.306799,31.668415,-0.000000>,0.350000
<-20.306799,31.668415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.306799,31.668415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.675812,32.758205,-0.000000>,0.350000
<-18.599691,33.140888,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.599691,33.140888,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.599691,33.140888,-0.000000>,0.350000
<-19.599691,33.140888,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.599691,33.140888,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.599691,33.140888,-0.000000>,0.350000
<-20.523571,32.758205,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.523571,32.758205,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.413840,30.578625,-0.000000>,0.350000
<-13.120947,31.285730,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.120947,31.285730,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.120947,31.285730,-0.000000>,0.350000
<-13.828053,31.992838,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.828053,31.992838,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.828053,31.992838,-0.000000>,0.350000
<-14.828053,31.992838,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.828053,31.992838,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.828053,31.992838,-0.000000>,0.350000
<-15.751933,32.375523,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.751933,32.375523,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.751933,32.375523,-0.000000>,0.350000
<-16.459040,33.082626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.459040,33.082626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.828053,31.992838,-0.000000>,0.350000
<-14.210737,32.916718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.210737,32.916718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.210737,32.916718,-0.000000>,0.350000
<-14.917844,33.623825,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.917844,33.623825,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.917844,33.623825,-0.000000>,0.350000
<-15.841723,34.006508,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.841723,34.006508,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.828053,31.992838,-0.000000>,0.350000
<-14.535160,32.699944,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.535160,32.699944,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.535160,32.699944,-0.000000>,0.350000
<-15.242267,33.407051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.242267,33.407051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.242267,33.407051,-0.000000>,0.350000
<-16.242268,33.407051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.242268,33.407051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.242268,33.407051,-0.000000>,0.350000
<-17.166147,33.789734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.166147,33.789734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.166147,33.789734,-0.000000>,0.350000
<-17.873253,34.496841,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.873253,34.496841,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.242267,33.407051,-0.000000>,0.350000
<-15.624950,34.330933,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.624950,34.330933,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.624950,34.330933,-0.000000>,0.350000
<-16.332058,35.038036,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.332058,35.038036,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.332058,35.038036,-0.000000>,0.350000
<-17.255938,35.420723,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.255938,35.420723,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.242267,33.407051,-0.000000>,0.350000
<-16.242268,33.407051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.242268,33.407051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.242268,33.407051,-0.000000>,0.350000
<-17.242268,33.407051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.242268,33.407051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.242268,33.407051,-0.000000>,0.350000
<-17.949373,32.699944,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.949373,32.699944,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.949373,32.699944,-0.000000>,0.350000
<-18.873253,32.317261,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.873253,32.317261,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.873253,32.317261,-0.000000>,0.350000
<-19.873253,32.317261,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.873253,32.317261,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.242268,33.407051,-0.000000>,0.350000
<-18.166147,33.789734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.166147,33.789734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.166147,33.789734,-0.000000>,0.350000
<-19.166147,33.789734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.166147,33.789734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.166147,33.789734,-0.000000>,0.350000
<-20.090027,33.407051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.090027,33.407051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.242268,33.407051,-0.000000>,0.350000
<-18.166147,33.789734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.166147,33.789734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.166147,33.789734,-0.000000>,0.350000
<-19.090027,34.172417,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.090027,34.172417,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.090027,34.172417,-0.000000>,0.350000
<-20.013906,33.789734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.013906,33.789734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.013906,33.789734,-0.000000>,0.350000
<-21.013906,33.789734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.013906,33.789734,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.013906,33.789734,-0.000000>,0.350000
<-21.937784,34.172417,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.937784,34.172417,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.090027,34.172417,-0.000000>,0.350000
<-19.797132,34.879524,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.797132,34.879524,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.797132,34.879524,-0.000000>,0.350000
<-20.721012,35.262207,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.721012,35.262207,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.721012,35.262207,-0.000000>,0.350000
<-21.721012,35.262207,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.721012,35.262207,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.090027,34.172417,-0.000000>,0.350000
<-19.797132,34.879524,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.797132,34.879524,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.797132,34.879524,-0.000000>,0.350000
<-20.504240,35.586632,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.504240,35.586632,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.504240,35.586632,-0.000000>,0.350000
<-21.504240,35.586632,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.504240,35.586632,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.504240,35.586632,-0.000000>,0.350000
<-22.428120,35.969315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.428120,35.969315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.428120,35.969315,-0.000000>,0.350000
<-23.135225,36.676422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.135225,36.676422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.504240,35.586632,-0.000000>,0.350000
<-20.886923,36.510509,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.886923,36.510509,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.886923,36.510509,-0.000000>,0.350000
<-21.594030,37.217617,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.594030,37.217617,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.594030,37.217617,-0.000000>,0.350000
<-22.517910,37.600300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.517910,37.600300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.242267,33.407051,-0.000000>,0.350000
<-15.624950,34.330933,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.624950,34.330933,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.624950,34.330933,-0.000000>,0.350000
<-16.007633,35.254810,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.007633,35.254810,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.007633,35.254810,-0.000000>,0.350000
<-16.931513,35.637493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.931513,35.637493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.931513,35.637493,-0.000000>,0.350000
<-17.638620,36.344601,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.638620,36.344601,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.638620,36.344601,-0.000000>,0.350000
<-18.021303,37.268478,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.021303,37.268478,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.007633,35.254810,-0.000000>,0.350000
<-16.007633,36.254810,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.007633,36.254810,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.007633,36.254810,-0.000000>,0.350000
<-16.390318,37.178692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.390318,37.178692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.390318,37.178692,-0.000000>,0.350000
<-17.097424,37.885796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.097424,37.885796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.007633,35.254810,-0.000000>,0.350000
<-16.714741,35.961918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.714741,35.961918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.714741,35.961918,-0.000000>,0.350000
<-17.421848,36.669025,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.421848,36.669025,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.421848,36.669025,-0.000000>,0.350000
<-18.421848,36.669025,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.421848,36.669025,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.421848,36.669025,-0.000000>,0.350000
<-19.345726,37.051708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.345726,37.051708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.345726,37.051708,-0.000000>,0.350000
<-20.052834,37.758816,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.052834,37.758816,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.421848,36.669025,-0.000000>,0.350000
<-17.804531,37.592903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.804531,37.592903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.804531,37.592903,-0.000000>,0.350000
<-18.511637,38.300011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.511637,38.300011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.511637,38.300011,-0.000000>,0.350000
<-19.435516,38.682693,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.435516,38.682693,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.421848,36.669025,-0.000000>,0.350000
<-18.345726,37.051708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.345726,37.051708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.345726,37.051708,-0.000000>,0.350000
<-19.269606,37.434391,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.269606,37.434391,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.269606,37.434391,-0.000000>,0.350000
<-20.193485,37.051708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.193485,37.051708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.193485,37.051708,-0.000000>,0.350000
<-21.193485,37.051708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.193485,37.051708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.193485,37.051708,-0.000000>,0.350000
<-22.117365,37.434391,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.117365,37.434391,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.269606,37.434391,-0.000000>,0.350000
<-19.976713,38.141499,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.976713,38.141499,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.976713,38.141499,-0.000000>,0.350000
<-20.900593,38.524181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.900593,38.524181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.900593,38.524181,-0.000000>,0.350000
<-21.900593,38.524181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.900593,38.524181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.242267,33.407051,-0.000000>,0.350000
<-15.624950,34.330933,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.624950,34.330933,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.624950,34.330933,-0.000000>,0.350000
<-16.007633,35.254810,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.007633,35.254810,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.007633,35.254810,-0.000000>,0.350000
<-16.931513,35.637493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.931513,35.637493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.931513,35.637493,-0.000000>,0.350000
<-17.638620,36.344601,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.638620,36.344601,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.638620,36.344601,-0.000000>,0.350000
<-18.021303,37.268478,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.021303,37.268478,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.007633,35.254810,-0.000000>,0.350000
<-16.007633,36.254810,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.007633,36.254810,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.007633,36.254810,-0.000000>,0.350000
<-16.390318,37.178692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.390318,37.178692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.390318,37.178692,-0.000000>,0.350000
<-17.097424,37.885796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.097424,37.885796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.007633,35.254810,-0.000000>,0.350000
<-16.390318,36.178692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.390318,36.178692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.390318,36.178692,-0.000000>,0.350000
<-16.773001,37.102570,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.773001,37.102570,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.773001,37.102570,-0.000000>,0.350000
<-17.696880,37.485252,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.696880,37.485252,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.696880,37.485252,-0.000000>,0.350000
<-18.403988,38.192360,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.403988,38.192360,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.403988,38.192360,-0.000000>,0.350000
<-18.786671,39.116238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.786671,39.116238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.773001,37.102570,-0.000000>,0.350000
<-16.773001,38.102570,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.773001,38.102570,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.773001,38.102570,-0.000000>,0.350000
<-17.155684,39.026447,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.155684,39.026447,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.155684,39.026447,-0.000000>,0.350000
<-17.862791,39.733555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.862791,39.733555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.773001,37.102570,-0.000000>,0.350000
<-17.696880,37.485252,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.696880,37.485252,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.696880,37.485252,-0.000000>,0.350000
<-18.620760,37.867935,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.620760,37.867935,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.620760,37.867935,-0.000000>,0.350000
<-19.544640,37.485252,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.544640,37.485252,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.544640,37.485252,-0.000000>,0.350000
<-20.544640,37.485252,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.544640,37.485252,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.544640,37.485252,-0.000000>,0.350000
<-21.468519,37.867935,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.468519,37.867935,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.620760,37.867935,-0.000000>,0.350000
<-19.327866,38.575043,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.327866,38.575043,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.327866,38.575043,-0.000000>,0.350000
<-20.251745,38.957726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.251745,38.957726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.251745,38.957726,-0.000000>,0.350000
<-21.251745,38.957726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.251745,38.957726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.620760,37.867935,-0.000000>,0.350000
<-19.327866,38.575043,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.327866,38.575043,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.327866,38.575043,-0.000000>,0.350000
<-20.034973,39.282150,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.034973,39.282150,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.034973,39.282150,-0.000000>,0.350000
<-21.034973,39.282150,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.034973,39.282150,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.034973,39.282150,-0.000000>,0.350000
<-21.958853,39.664833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.958853,39.664833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.958853,39.664833,-0.000000>,0.350000
<-22.665960,40.371941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.665960,40.371941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.034973,39.282150,-0.000000>,0.350000
<-20.417656,40.206028,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.417656,40.206028,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.417656,40.206028,-0.000000>,0.350000
<-21.124763,40.913136,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.124763,40.913136,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.124763,40.913136,-0.000000>,0.350000
<-22.048643,41.295818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.048643,41.295818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.034973,39.282150,-0.000000>,0.350000
<-20.417656,40.206028,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.417656,40.206028,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.417656,40.206028,-0.000000>,0.350000
<-20.800341,41.129910,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.800341,41.129910,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.800341,41.129910,-0.000000>,0.350000
<-21.724220,41.512592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.724220,41.512592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.724220,41.512592,-0.000000>,0.350000
<-22.431326,42.219700,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.431326,42.219700,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.431326,42.219700,-0.000000>,0.350000
<-22.814011,43.143578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.814011,43.143578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.800341,41.129910,-0.000000>,0.350000
<-20.800341,42.129910,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.800341,42.129910,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.800341,42.129910,-0.000000>,0.350000
<-21.183023,43.053787,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.183023,43.053787,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.183023,43.053787,-0.000000>,0.350000
<-21.890131,43.760895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.890131,43.760895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.773001,37.102570,-0.000000>,0.350000
<-16.773001,38.102570,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.773001,38.102570,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.773001,38.102570,-0.000000>,0.350000
<-16.773001,39.102570,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.773001,39.102570,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.773001,39.102570,-0.000000>,0.350000
<-17.480108,39.809677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.480108,39.809677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.480108,39.809677,-0.000000>,0.350000
<-17.862791,40.733555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.862791,40.733555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.862791,40.733555,-0.000000>,0.350000
<-17.862791,41.733555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.862791,41.733555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.773001,39.102570,-0.000000>,0.350000
<-16.390318,40.026447,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.390318,40.026447,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.390318,40.026447,-0.000000>,0.350000
<-16.390318,41.026447,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.390318,41.026447,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.390318,41.026447,-0.000000>,0.350000
<-16.773001,41.950329,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.773001,41.950329,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.773001,39.102570,-0.000000>,0.350000
<-17.155684,40.026447,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.155684,40.026447,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.155684,40.026447,-0.000000>,0.350000
<-17.538368,40.950329,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.538368,40.950329,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.538368,40.950329,-0.000000>,0.350000
<-18.462248,41.333012,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.462248,41.333012,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.462248,41.333012,-0.000000>,0.350000
<-19.169353,42.040119,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.169353,42.040119,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.169353,42.040119,-0.000000>,0.350000
<-19.552038,42.963997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.552038,42.963997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.538368,40.950329,-0.000000>,0.350000
<-17.538368,41.950329,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.538368,41.950329,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.538368,41.950329,-0.000000>,0.350000
<-17.921051,42.874207,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.921051,42.874207,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.921051,42.874207,-0.000000>,0.350000
<-18.628159,43.581314,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.628159,43.581314,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.538368,40.950329,-0.000000>,0.350000
<-18.245474,41.657436,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.245474,41.657436,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.245474,41.657436,-0.000000>,0.350000
<-18.952581,42.364544,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.952581,42.364544,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.952581,42.364544,-0.000000>,0.350000
<-19.952581,42.364544,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.952581,42.364544,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.952581,42.364544,-0.000000>,0.350000
<-20.876461,42.747227,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.876461,42.747227,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.876461,42.747227,-0.000000>,0.350000
<-21.583567,43.454330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.583567,43.454330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.952581,42.364544,-0.000000>,0.350000
<-19.335264,43.288422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.335264,43.288422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.335264,43.288422,-0.000000>,0.350000
<-20.042372,43.995529,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.042372,43.995529,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.042372,43.995529,-0.000000>,0.350000
<-20.966251,44.378212,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.966251,44.378212,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,29.047890,-0.000000>,0.350000
<-8.718322,30.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,30.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,30.047890,-0.000000>,0.350000
<-8.718322,31.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,31.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,31.047890,-0.000000>,0.350000
<-9.425428,31.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.425428,31.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.425428,31.754997,-0.000000>,0.350000
<-9.808112,32.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,32.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.808112,32.678875,-0.000000>,0.350000
<-9.808112,33.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,33.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,31.047890,-0.000000>,0.350000
<-8.335638,31.971769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,31.971769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,31.971769,-0.000000>,0.350000
<-8.335638,32.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,32.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,32.971771,-0.000000>,0.350000
<-8.718322,33.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,33.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,31.047890,-0.000000>,0.350000
<-8.718322,32.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,32.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,32.047890,-0.000000>,0.350000
<-8.718322,33.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,33.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,33.047890,-0.000000>,0.350000
<-9.425428,33.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.425428,33.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.425428,33.754997,-0.000000>,0.350000
<-9.808112,34.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,34.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.808112,34.678875,-0.000000>,0.350000
<-9.808112,35.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,35.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,33.047890,-0.000000>,0.350000
<-8.335638,33.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,33.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,33.971771,-0.000000>,0.350000
<-8.335638,34.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,34.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,34.971771,-0.000000>,0.350000
<-8.718322,35.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,35.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,33.047890,-0.000000>,0.350000
<-9.425428,33.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.425428,33.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.425428,33.754997,-0.000000>,0.350000
<-10.132535,34.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.132535,34.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.132535,34.462105,-0.000000>,0.350000
<-11.132535,34.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.132535,34.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.132535,34.462105,-0.000000>,0.350000
<-12.056415,34.844788,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.056415,34.844788,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.056415,34.844788,-0.000000>,0.350000
<-12.763521,35.551895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.763521,35.551895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.132535,34.462105,-0.000000>,0.350000
<-10.515219,35.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.515219,35.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.515219,35.385983,-0.000000>,0.350000
<-11.222325,36.093090,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.222325,36.093090,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.222325,36.093090,-0.000000>,0.350000
<-12.146205,36.475773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.146205,36.475773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.132535,34.462105,-0.000000>,0.350000
<-10.515219,35.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.515219,35.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.515219,35.385983,-0.000000>,0.350000
<-10.897902,36.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,36.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,36.309864,-0.000000>,0.350000
<-11.821782,36.692547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.821782,36.692547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.821782,36.692547,-0.000000>,0.350000
<-12.528889,37.399654,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.528889,37.399654,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.528889,37.399654,-0.000000>,0.350000
<-12.911572,38.323532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.911572,38.323532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,36.309864,-0.000000>,0.350000
<-10.897902,37.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,37.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,37.309864,-0.000000>,0.350000
<-11.280585,38.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.280585,38.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.280585,38.233742,-0.000000>,0.350000
<-11.987692,38.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.987692,38.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,36.309864,-0.000000>,0.350000
<-10.897902,37.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,37.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,37.309864,-0.000000>,0.350000
<-10.897902,38.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,38.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,38.309864,-0.000000>,0.350000
<-11.605009,39.016972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.605009,39.016972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.605009,39.016972,-0.000000>,0.350000
<-11.987692,39.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.987692,39.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.987692,39.940849,-0.000000>,0.350000
<-11.987692,40.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.987692,40.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,38.309864,-0.000000>,0.350000
<-10.515219,39.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.515219,39.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.515219,39.233742,-0.000000>,0.350000
<-10.515219,40.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.515219,40.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.515219,40.233742,-0.000000>,0.350000
<-10.897902,41.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,41.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,33.047890,-0.000000>,0.350000
<-8.335638,33.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,33.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,33.971771,-0.000000>,0.350000
<-7.952955,34.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,34.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,34.895649,-0.000000>,0.350000
<-8.335638,35.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,35.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,35.819530,-0.000000>,0.350000
<-8.335638,36.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,36.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,36.819530,-0.000000>,0.350000
<-7.952955,37.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,37.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,34.895649,-0.000000>,0.350000
<-7.245848,35.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.245848,35.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.245848,35.602757,-0.000000>,0.350000
<-6.863164,36.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.863164,36.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.863164,36.526634,-0.000000>,0.350000
<-6.863164,37.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.863164,37.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,34.895649,-0.000000>,0.350000
<-7.952955,35.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,35.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,35.895649,-0.000000>,0.350000
<-7.952955,36.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,36.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,36.895649,-0.000000>,0.350000
<-8.660062,37.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.660062,37.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.660062,37.602757,-0.000000>,0.350000
<-9.042745,38.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042745,38.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.042745,38.526634,-0.000000>,0.350000
<-9.042745,39.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042745,39.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,36.895649,-0.000000>,0.350000
<-7.570271,37.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,37.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,37.819530,-0.000000>,0.350000
<-7.570271,38.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,38.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,38.819530,-0.000000>,0.350000
<-7.952955,39.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,39.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,36.895649,-0.000000>,0.350000
<-8.335638,37.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,37.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,37.819530,-0.000000>,0.350000
<-8.718322,38.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,38.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,38.743408,-0.000000>,0.350000
<-9.642201,39.126091,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.642201,39.126091,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.642201,39.126091,-0.000000>,0.350000
<-10.349308,39.833199,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.349308,39.833199,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.349308,39.833199,-0.000000>,0.350000
<-10.731992,40.757080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.731992,40.757080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,38.743408,-0.000000>,0.350000
<-8.718322,39.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,39.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,39.743408,-0.000000>,0.350000
<-9.101006,40.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.101006,40.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.101006,40.667290,-0.000000>,0.350000
<-9.808112,41.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,41.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,33.047890,-0.000000>,0.350000
<-9.101006,33.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.101006,33.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.101006,33.971771,-0.000000>,0.350000
<-9.483688,34.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.483688,34.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,34.895649,-0.000000>,0.350000
<-10.407568,35.278332,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407568,35.278332,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407568,35.278332,-0.000000>,0.350000
<-11.114675,35.985439,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.114675,35.985439,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.114675,35.985439,-0.000000>,0.350000
<-11.497358,36.909321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.497358,36.909321,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,34.895649,-0.000000>,0.350000
<-9.483688,35.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.483688,35.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,35.895649,-0.000000>,0.350000
<-9.866372,36.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.866372,36.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.866372,36.819530,-0.000000>,0.350000
<-10.573479,37.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.573479,37.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,34.895649,-0.000000>,0.350000
<-9.866372,35.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.866372,35.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.866372,35.819530,-0.000000>,0.350000
<-10.249056,36.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.249056,36.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,36.743408,-0.000000>,0.350000
<-11.172935,37.126091,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.172935,37.126091,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.172935,37.126091,-0.000000>,0.350000
<-11.880042,37.833199,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.880042,37.833199,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.880042,37.833199,-0.000000>,0.350000
<-12.262725,38.757080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.262725,38.757080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,36.743408,-0.000000>,0.350000
<-10.249056,37.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.249056,37.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,37.743408,-0.000000>,0.350000
<-10.631739,38.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.631739,38.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.631739,38.667290,-0.000000>,0.350000
<-11.338845,39.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.338845,39.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,36.743408,-0.000000>,0.350000
<-11.172935,37.126091,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.172935,37.126091,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.172935,37.126091,-0.000000>,0.350000
<-12.096814,37.508774,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.096814,37.508774,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.096814,37.508774,-0.000000>,0.350000
<-13.020694,37.126091,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.020694,37.126091,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.020694,37.126091,-0.000000>,0.350000
<-14.020694,37.126091,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.020694,37.126091,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.020694,37.126091,-0.000000>,0.350000
<-14.944573,37.508774,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.944573,37.508774,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.096814,37.508774,-0.000000>,0.350000
<-12.803922,38.215881,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.803922,38.215881,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.803922,38.215881,-0.000000>,0.350000
<-13.727800,38.598564,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.727800,38.598564,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.727800,38.598564,-0.000000>,0.350000
<-14.727800,38.598564,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.727800,38.598564,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.096814,37.508774,-0.000000>,0.350000
<-12.803922,38.215881,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.803922,38.215881,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.803922,38.215881,-0.000000>,0.350000
<-13.511028,38.922989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.511028,38.922989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.511028,38.922989,-0.000000>,0.350000
<-14.511028,38.922989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.511028,38.922989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.511028,38.922989,-0.000000>,0.350000
<-15.434908,39.305672,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.434908,39.305672,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.434908,39.305672,-0.000000>,0.350000
<-16.142014,40.012779,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.142014,40.012779,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.511028,38.922989,-0.000000>,0.350000
<-13.893711,39.846870,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.893711,39.846870,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.893711,39.846870,-0.000000>,0.350000
<-14.600819,40.553974,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.600819,40.553974,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.600819,40.553974,-0.000000>,0.350000
<-15.524698,40.936657,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.524698,40.936657,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.511028,38.922989,-0.000000>,0.350000
<-13.893711,39.846870,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.893711,39.846870,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.893711,39.846870,-0.000000>,0.350000
<-14.276395,40.770748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.276395,40.770748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.276395,40.770748,-0.000000>,0.350000
<-15.200274,41.153431,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.200274,41.153431,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.200274,41.153431,-0.000000>,0.350000
<-15.907381,41.860538,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.907381,41.860538,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.907381,41.860538,-0.000000>,0.350000
<-16.290064,42.784416,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.290064,42.784416,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.276395,40.770748,-0.000000>,0.350000
<-14.276395,41.770748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.276395,41.770748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.276395,41.770748,-0.000000>,0.350000
<-14.659079,42.694626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.659079,42.694626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.659079,42.694626,-0.000000>,0.350000
<-15.366185,43.401733,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.366185,43.401733,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,36.743408,-0.000000>,0.350000
<-10.249056,37.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.249056,37.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,37.743408,-0.000000>,0.350000
<-10.249056,38.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.249056,38.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,38.743408,-0.000000>,0.350000
<-10.956162,39.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.956162,39.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.956162,39.450516,-0.000000>,0.350000
<-11.338845,40.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.338845,40.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.338845,40.374393,-0.000000>,0.350000
<-11.338845,41.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.338845,41.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,38.743408,-0.000000>,0.350000
<-9.866372,39.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.866372,39.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.866372,39.667290,-0.000000>,0.350000
<-9.866372,40.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.866372,40.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.866372,40.667290,-0.000000>,0.350000
<-10.249056,41.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.249056,41.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,38.743408,-0.000000>,0.350000
<-10.631739,39.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.631739,39.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.631739,39.667290,-0.000000>,0.350000
<-11.014422,40.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.014422,40.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.014422,40.591167,-0.000000>,0.350000
<-11.938302,40.973850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.938302,40.973850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.938302,40.973850,-0.000000>,0.350000
<-12.645409,41.680958,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.645409,41.680958,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.645409,41.680958,-0.000000>,0.350000
<-13.028092,42.604839,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.028092,42.604839,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.014422,40.591167,-0.000000>,0.350000
<-11.014422,41.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.014422,41.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.014422,41.591167,-0.000000>,0.350000
<-11.397106,42.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.397106,42.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.397106,42.515049,-0.000000>,0.350000
<-12.104213,43.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.104213,43.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.014422,40.591167,-0.000000>,0.350000
<-11.721529,41.298275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.721529,41.298275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.721529,41.298275,-0.000000>,0.350000
<-12.428636,42.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.428636,42.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.428636,42.005383,-0.000000>,0.350000
<-13.428636,42.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.428636,42.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.428636,42.005383,-0.000000>,0.350000
<-14.352515,42.388065,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.352515,42.388065,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.352515,42.388065,-0.000000>,0.350000
<-15.059622,43.095173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.059622,43.095173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.428636,42.005383,-0.000000>,0.350000
<-12.811319,42.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.811319,42.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.811319,42.929260,-0.000000>,0.350000
<-13.518426,43.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.518426,43.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.518426,43.636368,-0.000000>,0.350000
<-14.442306,44.019051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.442306,44.019051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,36.743408,-0.000000>,0.350000
<-10.956162,37.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.956162,37.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.956162,37.450516,-0.000000>,0.350000
<-11.663269,38.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.663269,38.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.663269,38.157623,-0.000000>,0.350000
<-12.663269,38.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.663269,38.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.663269,38.157623,-0.000000>,0.350000
<-13.587149,38.540306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.587149,38.540306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.587149,38.540306,-0.000000>,0.350000
<-14.294255,39.247414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.294255,39.247414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.663269,38.157623,-0.000000>,0.350000
<-12.045953,39.081501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.045953,39.081501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.045953,39.081501,-0.000000>,0.350000
<-12.753059,39.788609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.753059,39.788609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.753059,39.788609,-0.000000>,0.350000
<-13.676939,40.171291,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.676939,40.171291,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.663269,38.157623,-0.000000>,0.350000
<-12.370376,38.864731,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.370376,38.864731,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.370376,38.864731,-0.000000>,0.350000
<-13.077482,39.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.077482,39.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,39.571835,-0.000000>,0.350000
<-14.077482,39.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.077482,39.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.077482,39.571835,-0.000000>,0.350000
<-15.001362,39.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.001362,39.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.001362,39.954517,-0.000000>,0.350000
<-15.708468,40.661625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.708468,40.661625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,39.571835,-0.000000>,0.350000
<-13.460166,40.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.460166,40.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.460166,40.495716,-0.000000>,0.350000
<-14.167273,41.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.167273,41.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.167273,41.202824,-0.000000>,0.350000
<-15.091152,41.585506,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.091152,41.585506,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,39.571835,-0.000000>,0.350000
<-14.077482,39.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.077482,39.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.077482,39.571835,-0.000000>,0.350000
<-15.077482,39.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.077482,39.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.077482,39.571835,-0.000000>,0.350000
<-15.784590,38.864731,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.784590,38.864731,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.784590,38.864731,-0.000000>,0.350000
<-16.708469,38.482044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.708469,38.482044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.708469,38.482044,-0.000000>,0.350000
<-17.708469,38.482044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.708469,38.482044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.077482,39.571835,-0.000000>,0.350000
<-16.001362,39.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.001362,39.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.001362,39.954517,-0.000000>,0.350000
<-17.001362,39.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.001362,39.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.001362,39.954517,-0.000000>,0.350000
<-17.925241,39.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.925241,39.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.077482,39.571835,-0.000000>,0.350000
<-16.001362,39.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.001362,39.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.001362,39.954517,-0.000000>,0.350000
<-16.925241,40.337204,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.925241,40.337204,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.925241,40.337204,-0.000000>,0.350000
<-17.849121,39.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.849121,39.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.849121,39.954517,-0.000000>,0.350000
<-18.849121,39.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.849121,39.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.849121,39.954517,-0.000000>,0.350000
<-19.773001,40.337204,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.773001,40.337204,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.925241,40.337204,-0.000000>,0.350000
<-17.632349,41.044308,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.632349,41.044308,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.632349,41.044308,-0.000000>,0.350000
<-18.556229,41.426994,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.556229,41.426994,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.556229,41.426994,-0.000000>,0.350000
<-19.556229,41.426994,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.556229,41.426994,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.925241,40.337204,-0.000000>,0.350000
<-17.632349,41.044308,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.632349,41.044308,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.632349,41.044308,-0.000000>,0.350000
<-18.339455,41.751415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.339455,41.751415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.339455,41.751415,-0.000000>,0.350000
<-19.339455,41.751415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.339455,41.751415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.339455,41.751415,-0.000000>,0.350000
<-20.263334,42.134098,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.263334,42.134098,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.263334,42.134098,-0.000000>,0.350000
<-20.970442,42.841206,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.970442,42.841206,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.339455,41.751415,-0.000000>,0.350000
<-18.722139,42.675297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.722139,42.675297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.722139,42.675297,-0.000000>,0.350000
<-19.429245,43.382404,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.429245,43.382404,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.429245,43.382404,-0.000000>,0.350000
<-20.353125,43.765087,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.353125,43.765087,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,39.571835,-0.000000>,0.350000
<-13.460166,40.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.460166,40.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.460166,40.495716,-0.000000>,0.350000
<-13.842850,41.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.842850,41.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.842850,41.419594,-0.000000>,0.350000
<-14.766729,41.802277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.766729,41.802277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.766729,41.802277,-0.000000>,0.350000
<-15.473836,42.509384,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.473836,42.509384,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.473836,42.509384,-0.000000>,0.350000
<-15.856519,43.433266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.856519,43.433266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.842850,41.419594,-0.000000>,0.350000
<-13.842850,42.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.842850,42.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.842850,42.419594,-0.000000>,0.350000
<-14.225533,43.343475,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.225533,43.343475,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.225533,43.343475,-0.000000>,0.350000
<-14.932640,44.050583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.932640,44.050583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.842850,41.419594,-0.000000>,0.350000
<-14.549956,42.126701,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.549956,42.126701,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.549956,42.126701,-0.000000>,0.350000
<-15.257063,42.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.257063,42.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.257063,42.833809,-0.000000>,0.350000
<-16.257063,42.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.257063,42.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.257063,42.833809,-0.000000>,0.350000
<-17.180943,43.216492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.180943,43.216492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.180943,43.216492,-0.000000>,0.350000
<-17.888050,43.923599,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.888050,43.923599,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.257063,42.833809,-0.000000>,0.350000
<-15.639747,43.757687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.639747,43.757687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.639747,43.757687,-0.000000>,0.350000
<-16.346853,44.464794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.346853,44.464794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.346853,44.464794,-0.000000>,0.350000
<-17.270733,44.847477,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.270733,44.847477,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.257063,42.833809,-0.000000>,0.350000
<-16.180943,43.216492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.180943,43.216492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.180943,43.216492,-0.000000>,0.350000
<-17.104822,43.599174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.104822,43.599174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.104822,43.599174,-0.000000>,0.350000
<-18.028702,43.216492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.028702,43.216492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.028702,43.216492,-0.000000>,0.350000
<-19.028702,43.216492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.028702,43.216492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.028702,43.216492,-0.000000>,0.350000
<-19.952581,43.599174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.952581,43.599174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.104822,43.599174,-0.000000>,0.350000
<-17.811930,44.306282,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.811930,44.306282,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.811930,44.306282,-0.000000>,0.350000
<-18.735807,44.688965,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.735807,44.688965,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.735807,44.688965,-0.000000>,0.350000
<-19.735807,44.688965,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.735807,44.688965,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,29.047890,-0.000000>,0.350000
<-8.718322,30.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,30.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,30.047890,-0.000000>,0.350000
<-8.718322,31.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,31.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,31.047890,-0.000000>,0.350000
<-9.425428,31.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.425428,31.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.425428,31.754997,-0.000000>,0.350000
<-9.808112,32.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,32.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.808112,32.678875,-0.000000>,0.350000
<-9.808112,33.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,33.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,31.047890,-0.000000>,0.350000
<-8.335638,31.971769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,31.971769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,31.971769,-0.000000>,0.350000
<-8.335638,32.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,32.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,32.971771,-0.000000>,0.350000
<-8.718322,33.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,33.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,31.047890,-0.000000>,0.350000
<-8.718322,32.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,32.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,32.047890,-0.000000>,0.350000
<-8.718322,33.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,33.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,33.047890,-0.000000>,0.350000
<-9.425428,33.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.425428,33.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.425428,33.754997,-0.000000>,0.350000
<-9.808112,34.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,34.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.808112,34.678875,-0.000000>,0.350000
<-9.808112,35.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,35.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,33.047890,-0.000000>,0.350000
<-8.335638,33.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,33.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,33.971771,-0.000000>,0.350000
<-8.335638,34.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,34.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,34.971771,-0.000000>,0.350000
<-8.718322,35.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,35.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,33.047890,-0.000000>,0.350000
<-9.425428,33.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.425428,33.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.425428,33.754997,-0.000000>,0.350000
<-10.132535,34.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.132535,34.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.132535,34.462105,-0.000000>,0.350000
<-11.132535,34.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.132535,34.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.132535,34.462105,-0.000000>,0.350000
<-12.056415,34.844788,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.056415,34.844788,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.056415,34.844788,-0.000000>,0.350000
<-12.763521,35.551895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.763521,35.551895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.132535,34.462105,-0.000000>,0.350000
<-10.515219,35.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.515219,35.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.515219,35.385983,-0.000000>,0.350000
<-11.222325,36.093090,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.222325,36.093090,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.222325,36.093090,-0.000000>,0.350000
<-12.146205,36.475773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.146205,36.475773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.132535,34.462105,-0.000000>,0.350000
<-10.515219,35.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.515219,35.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.515219,35.385983,-0.000000>,0.350000
<-10.897902,36.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,36.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,36.309864,-0.000000>,0.350000
<-11.821782,36.692547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.821782,36.692547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.821782,36.692547,-0.000000>,0.350000
<-12.528889,37.399654,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.528889,37.399654,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.528889,37.399654,-0.000000>,0.350000
<-12.911572,38.323532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.911572,38.323532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,36.309864,-0.000000>,0.350000
<-10.897902,37.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,37.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,37.309864,-0.000000>,0.350000
<-11.280585,38.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.280585,38.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.280585,38.233742,-0.000000>,0.350000
<-11.987692,38.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.987692,38.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,36.309864,-0.000000>,0.350000
<-10.897902,37.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,37.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,37.309864,-0.000000>,0.350000
<-10.897902,38.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,38.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,38.309864,-0.000000>,0.350000
<-11.605009,39.016972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.605009,39.016972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.605009,39.016972,-0.000000>,0.350000
<-11.987692,39.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.987692,39.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.987692,39.940849,-0.000000>,0.350000
<-11.987692,40.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.987692,40.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,38.309864,-0.000000>,0.350000
<-10.515219,39.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.515219,39.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.515219,39.233742,-0.000000>,0.350000
<-10.515219,40.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.515219,40.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.515219,40.233742,-0.000000>,0.350000
<-10.897902,41.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,41.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,33.047890,-0.000000>,0.350000
<-8.335638,33.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,33.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,33.971771,-0.000000>,0.350000
<-7.952955,34.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,34.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,34.895649,-0.000000>,0.350000
<-8.335638,35.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,35.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,35.819530,-0.000000>,0.350000
<-8.335638,36.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,36.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,36.819530,-0.000000>,0.350000
<-7.952955,37.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,37.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,34.895649,-0.000000>,0.350000
<-7.245848,35.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.245848,35.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.245848,35.602757,-0.000000>,0.350000
<-6.863164,36.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.863164,36.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.863164,36.526634,-0.000000>,0.350000
<-6.863164,37.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.863164,37.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,34.895649,-0.000000>,0.350000
<-7.952955,35.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,35.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,35.895649,-0.000000>,0.350000
<-7.952955,36.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,36.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,36.895649,-0.000000>,0.350000
<-8.660062,37.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.660062,37.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.660062,37.602757,-0.000000>,0.350000
<-9.042745,38.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042745,38.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.042745,38.526634,-0.000000>,0.350000
<-9.042745,39.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042745,39.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,36.895649,-0.000000>,0.350000
<-7.570271,37.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,37.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,37.819530,-0.000000>,0.350000
<-7.570271,38.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,38.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,38.819530,-0.000000>,0.350000
<-7.952955,39.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,39.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,36.895649,-0.000000>,0.350000
<-8.335638,37.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,37.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,37.819530,-0.000000>,0.350000
<-8.718322,38.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,38.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,38.743408,-0.000000>,0.350000
<-9.642201,39.126091,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.642201,39.126091,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.642201,39.126091,-0.000000>,0.350000
<-10.349308,39.833199,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.349308,39.833199,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.349308,39.833199,-0.000000>,0.350000
<-10.731992,40.757080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.731992,40.757080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,38.743408,-0.000000>,0.350000
<-8.718322,39.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,39.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,39.743408,-0.000000>,0.350000
<-9.101006,40.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.101006,40.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.101006,40.667290,-0.000000>,0.350000
<-9.808112,41.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,41.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,33.047890,-0.000000>,0.350000
<-8.718322,34.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,34.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,34.047890,-0.000000>,0.350000
<-8.718322,35.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,35.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,35.047890,-0.000000>,0.350000
<-9.425428,35.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.425428,35.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.425428,35.754997,-0.000000>,0.350000
<-9.808112,36.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,36.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.808112,36.678875,-0.000000>,0.350000
<-9.808112,37.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,37.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,35.047890,-0.000000>,0.350000
<-8.335638,35.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,35.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,35.971771,-0.000000>,0.350000
<-8.335638,36.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,36.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,36.971771,-0.000000>,0.350000
<-8.718322,37.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,37.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,35.047890,-0.000000>,0.350000
<-8.718322,36.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,36.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,36.047890,-0.000000>,0.350000
<-8.718322,37.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,37.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,37.047890,-0.000000>,0.350000
<-9.425428,37.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.425428,37.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.425428,37.754997,-0.000000>,0.350000
<-9.808112,38.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,38.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.808112,38.678875,-0.000000>,0.350000
<-9.808112,39.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,39.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,37.047890,-0.000000>,0.350000
<-8.335638,37.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,37.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,37.971771,-0.000000>,0.350000
<-8.335638,38.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,38.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,38.971771,-0.000000>,0.350000
<-8.718322,39.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,39.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,37.047890,-0.000000>,0.350000
<-9.425428,37.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.425428,37.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.425428,37.754997,-0.000000>,0.350000
<-10.132535,38.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.132535,38.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.132535,38.462105,-0.000000>,0.350000
<-11.132535,38.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.132535,38.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.132535,38.462105,-0.000000>,0.350000
<-12.056415,38.844788,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.056415,38.844788,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.056415,38.844788,-0.000000>,0.350000
<-12.763521,39.551895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.763521,39.551895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.132535,38.462105,-0.000000>,0.350000
<-10.515219,39.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.515219,39.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.515219,39.385983,-0.000000>,0.350000
<-11.222325,40.093090,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.222325,40.093090,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.222325,40.093090,-0.000000>,0.350000
<-12.146205,40.475773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.146205,40.475773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.132535,38.462105,-0.000000>,0.350000
<-10.515219,39.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.515219,39.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.515219,39.385983,-0.000000>,0.350000
<-10.897902,40.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,40.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,40.309864,-0.000000>,0.350000
<-11.821782,40.692547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.821782,40.692547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.821782,40.692547,-0.000000>,0.350000
<-12.528889,41.399654,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.528889,41.399654,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.528889,41.399654,-0.000000>,0.350000
<-12.911572,42.323532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.911572,42.323532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,40.309864,-0.000000>,0.350000
<-10.897902,41.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,41.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,41.309864,-0.000000>,0.350000
<-11.280585,42.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.280585,42.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.280585,42.233742,-0.000000>,0.350000
<-11.987692,42.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.987692,42.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,40.309864,-0.000000>,0.350000
<-10.897902,41.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,41.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,41.309864,-0.000000>,0.350000
<-10.897902,42.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,42.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,42.309864,-0.000000>,0.350000
<-11.605009,43.016972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.605009,43.016972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.605009,43.016972,-0.000000>,0.350000
<-11.987692,43.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.987692,43.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.987692,43.940849,-0.000000>,0.350000
<-11.987692,44.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.987692,44.940849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,42.309864,-0.000000>,0.350000
<-10.515219,43.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.515219,43.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.515219,43.233742,-0.000000>,0.350000
<-10.515219,44.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.515219,44.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.515219,44.233742,-0.000000>,0.350000
<-10.897902,45.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,45.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,37.047890,-0.000000>,0.350000
<-8.335638,37.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,37.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,37.971771,-0.000000>,0.350000
<-7.952955,38.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,38.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,38.895649,-0.000000>,0.350000
<-8.335638,39.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,39.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,39.819530,-0.000000>,0.350000
<-8.335638,40.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,40.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,40.819530,-0.000000>,0.350000
<-7.952955,41.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,41.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,38.895649,-0.000000>,0.350000
<-7.245848,39.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.245848,39.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.245848,39.602757,-0.000000>,0.350000
<-6.863164,40.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.863164,40.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.863164,40.526634,-0.000000>,0.350000
<-6.863164,41.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.863164,41.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,38.895649,-0.000000>,0.350000
<-7.952955,39.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,39.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,39.895649,-0.000000>,0.350000
<-7.952955,40.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,40.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,40.895649,-0.000000>,0.350000
<-8.660062,41.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.660062,41.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.660062,41.602757,-0.000000>,0.350000
<-9.042745,42.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042745,42.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.042745,42.526634,-0.000000>,0.350000
<-9.042745,43.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042745,43.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,40.895649,-0.000000>,0.350000
<-7.570271,41.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,41.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,41.819530,-0.000000>,0.350000
<-7.570271,42.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,42.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,42.819530,-0.000000>,0.350000
<-7.952955,43.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,43.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,40.895649,-0.000000>,0.350000
<-8.335638,41.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,41.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,41.819530,-0.000000>,0.350000
<-8.718322,42.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,42.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,42.743408,-0.000000>,0.350000
<-9.642201,43.126091,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.642201,43.126091,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.642201,43.126091,-0.000000>,0.350000
<-10.349308,43.833199,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.349308,43.833199,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.349308,43.833199,-0.000000>,0.350000
<-10.731992,44.757080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.731992,44.757080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,42.743408,-0.000000>,0.350000
<-8.718322,43.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,43.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,43.743408,-0.000000>,0.350000
<-9.101006,44.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.101006,44.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.101006,44.667290,-0.000000>,0.350000
<-9.808112,45.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,45.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,37.047890,-0.000000>,0.350000
<-9.425428,37.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.425428,37.754997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.425428,37.754997,-0.000000>,0.350000
<-10.132535,38.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.132535,38.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.132535,38.462105,-0.000000>,0.350000
<-11.132535,38.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.132535,38.462105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.132535,38.462105,-0.000000>,0.350000
<-12.056415,38.844788,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.056415,38.844788,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.056415,38.844788,-0.000000>,0.350000
<-12.763521,39.551895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.763521,39.551895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.132535,38.462105,-0.000000>,0.350000
<-10.515219,39.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.515219,39.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.515219,39.385983,-0.000000>,0.350000
<-11.222325,40.093090,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.222325,40.093090,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.222325,40.093090,-0.000000>,0.350000
<-12.146205,40.475773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.146205,40.475773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.132535,38.462105,-0.000000>,0.350000
<-10.839643,39.169212,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.839643,39.169212,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.839643,39.169212,-0.000000>,0.350000
<-11.546749,39.876316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.546749,39.876316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.546749,39.876316,-0.000000>,0.350000
<-12.546749,39.876316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.546749,39.876316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.546749,39.876316,-0.000000>,0.350000
<-13.470629,40.259003,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.470629,40.259003,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.470629,40.259003,-0.000000>,0.350000
<-14.177735,40.966106,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.177735,40.966106,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.546749,39.876316,-0.000000>,0.350000
<-11.929432,40.800198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.929432,40.800198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.929432,40.800198,-0.000000>,0.350000
<-12.636539,41.507305,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.636539,41.507305,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.636539,41.507305,-0.000000>,0.350000
<-13.560418,41.889988,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.560418,41.889988,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.546749,39.876316,-0.000000>,0.350000
<-12.546749,39.876316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.546749,39.876316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.546749,39.876316,-0.000000>,0.350000
<-13.546749,39.876316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.546749,39.876316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.546749,39.876316,-0.000000>,0.350000
<-14.253856,39.169212,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.253856,39.169212,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.253856,39.169212,-0.000000>,0.350000
<-15.177735,38.786526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.177735,38.786526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.177735,38.786526,-0.000000>,0.350000
<-16.177734,38.786526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.177734,38.786526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.546749,39.876316,-0.000000>,0.350000
<-14.470629,40.259003,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.470629,40.259003,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.470629,40.259003,-0.000000>,0.350000
<-15.470629,40.259003,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.470629,40.259003,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.470629,40.259003,-0.000000>,0.350000
<-16.394508,39.876316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.394508,39.876316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.546749,39.876316,-0.000000>,0.350000
<-14.470629,40.259003,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.470629,40.259003,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.470629,40.259003,-0.000000>,0.350000
<-15.394508,40.641685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.394508,40.641685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.394508,40.641685,-0.000000>,0.350000
<-16.318388,40.259003,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.318388,40.259003,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.318388,40.259003,-0.000000>,0.350000
<-17.318388,40.259003,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.318388,40.259003,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.318388,40.259003,-0.000000>,0.350000
<-18.242268,40.641685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.242268,40.641685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.394508,40.641685,-0.000000>,0.350000
<-16.101614,41.348793,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.101614,41.348793,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.101614,41.348793,-0.000000>,0.350000
<-17.025494,41.731476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.025494,41.731476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.025494,41.731476,-0.000000>,0.350000
<-18.025494,41.731476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.025494,41.731476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.394508,40.641685,-0.000000>,0.350000
<-16.101614,41.348793,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.101614,41.348793,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.101614,41.348793,-0.000000>,0.350000
<-16.808722,42.055897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.808722,42.055897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.808722,42.055897,-0.000000>,0.350000
<-17.808722,42.055897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.808722,42.055897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.808722,42.055897,-0.000000>,0.350000
<-18.732601,42.438583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.732601,42.438583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.732601,42.438583,-0.000000>,0.350000
<-19.439709,43.145687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.439709,43.145687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.808722,42.055897,-0.000000>,0.350000
<-17.191404,42.979778,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.191404,42.979778,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.191404,42.979778,-0.000000>,0.350000
<-17.898512,43.686886,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.898512,43.686886,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.898512,43.686886,-0.000000>,0.350000
<-18.822392,44.069569,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.822392,44.069569,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.546749,39.876316,-0.000000>,0.350000
<-11.929432,40.800198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.929432,40.800198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.929432,40.800198,-0.000000>,0.350000
<-12.312116,41.724075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312116,41.724075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,41.724075,-0.000000>,0.350000
<-13.235995,42.106762,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.235995,42.106762,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.235995,42.106762,-0.000000>,0.350000
<-13.943102,42.813866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.943102,42.813866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.943102,42.813866,-0.000000>,0.350000
<-14.325786,43.737747,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.325786,43.737747,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,41.724075,-0.000000>,0.350000
<-12.312116,42.724075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312116,42.724075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,42.724075,-0.000000>,0.350000
<-12.694799,43.647957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.694799,43.647957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.694799,43.647957,-0.000000>,0.350000
<-13.401906,44.355064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.401906,44.355064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,41.724075,-0.000000>,0.350000
<-13.019222,42.431183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.019222,42.431183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.019222,42.431183,-0.000000>,0.350000
<-13.726329,43.138290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.726329,43.138290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.726329,43.138290,-0.000000>,0.350000
<-14.726329,43.138290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.726329,43.138290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.726329,43.138290,-0.000000>,0.350000
<-15.650208,43.520973,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.650208,43.520973,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.650208,43.520973,-0.000000>,0.350000
<-16.357315,44.228081,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.357315,44.228081,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.726329,43.138290,-0.000000>,0.350000
<-14.109013,44.062168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.109013,44.062168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.109013,44.062168,-0.000000>,0.350000
<-14.816119,44.769276,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.816119,44.769276,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.816119,44.769276,-0.000000>,0.350000
<-15.739999,45.151958,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.739999,45.151958,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.726329,43.138290,-0.000000>,0.350000
<-14.650208,43.520973,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.650208,43.520973,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.650208,43.520973,-0.000000>,0.350000
<-15.574088,43.903656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.574088,43.903656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.574088,43.903656,-0.000000>,0.350000
<-16.497969,43.520973,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.497969,43.520973,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.497969,43.520973,-0.000000>,0.350000
<-17.497969,43.520973,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.497969,43.520973,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.497969,43.520973,-0.000000>,0.350000
<-18.421848,43.903656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.421848,43.903656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.574088,43.903656,-0.000000>,0.350000
<-16.281195,44.610764,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.281195,44.610764,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.281195,44.610764,-0.000000>,0.350000
<-17.205074,44.993446,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.205074,44.993446,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.205074,44.993446,-0.000000>,0.350000
<-18.205074,44.993446,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.205074,44.993446,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.546749,39.876316,-0.000000>,0.350000
<-11.929432,40.800198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.929432,40.800198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.929432,40.800198,-0.000000>,0.350000
<-12.312116,41.724075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312116,41.724075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,41.724075,-0.000000>,0.350000
<-13.235995,42.106762,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.235995,42.106762,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.235995,42.106762,-0.000000>,0.350000
<-13.943102,42.813866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.943102,42.813866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.943102,42.813866,-0.000000>,0.350000
<-14.325786,43.737747,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.325786,43.737747,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,41.724075,-0.000000>,0.350000
<-12.312116,42.724075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312116,42.724075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,42.724075,-0.000000>,0.350000
<-12.694799,43.647957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.694799,43.647957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.694799,43.647957,-0.000000>,0.350000
<-13.401906,44.355064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.401906,44.355064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,41.724075,-0.000000>,0.350000
<-12.694799,42.647957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.694799,42.647957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.694799,42.647957,-0.000000>,0.350000
<-13.077482,43.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.077482,43.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,43.571835,-0.000000>,0.350000
<-14.001362,43.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.001362,43.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.001362,43.954517,-0.000000>,0.350000
<-14.708468,44.661625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.708468,44.661625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.708468,44.661625,-0.000000>,0.350000
<-15.091152,45.585506,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.091152,45.585506,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,43.571835,-0.000000>,0.350000
<-13.077482,44.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.077482,44.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,44.571835,-0.000000>,0.350000
<-13.460166,45.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.460166,45.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.460166,45.495716,-0.000000>,0.350000
<-14.167273,46.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.167273,46.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,43.571835,-0.000000>,0.350000
<-14.001362,43.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.001362,43.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.001362,43.954517,-0.000000>,0.350000
<-14.925241,44.337204,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.925241,44.337204,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.925241,44.337204,-0.000000>,0.350000
<-15.849121,43.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.849121,43.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.849121,43.954517,-0.000000>,0.350000
<-16.849121,43.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.849121,43.954517,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.849121,43.954517,-0.000000>,0.350000
<-17.773001,44.337204,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.773001,44.337204,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.925241,44.337204,-0.000000>,0.350000
<-15.632348,45.044308,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.632348,45.044308,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.632348,45.044308,-0.000000>,0.350000
<-16.556229,45.426994,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.556229,45.426994,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.556229,45.426994,-0.000000>,0.350000
<-17.556229,45.426994,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.556229,45.426994,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.925241,44.337204,-0.000000>,0.350000
<-15.632348,45.044308,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.632348,45.044308,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.632348,45.044308,-0.000000>,0.350000
<-16.339455,45.751415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.339455,45.751415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.339455,45.751415,-0.000000>,0.350000
<-17.339455,45.751415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.339455,45.751415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.339455,45.751415,-0.000000>,0.350000
<-18.263334,46.134098,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.263334,46.134098,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.263334,46.134098,-0.000000>,0.350000
<-18.970442,46.841206,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.970442,46.841206,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.339455,45.751415,-0.000000>,0.350000
<-16.722139,46.675297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.722139,46.675297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.722139,46.675297,-0.000000>,0.350000
<-17.429245,47.382404,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.429245,47.382404,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.429245,47.382404,-0.000000>,0.350000
<-18.353125,47.765087,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.353125,47.765087,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.339455,45.751415,-0.000000>,0.350000
<-16.722139,46.675297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.722139,46.675297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.722139,46.675297,-0.000000>,0.350000
<-17.104822,47.599174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.104822,47.599174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.104822,47.599174,-0.000000>,0.350000
<-18.028702,47.981857,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.028702,47.981857,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.028702,47.981857,-0.000000>,0.350000
<-18.735807,48.688965,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.735807,48.688965,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.735807,48.688965,-0.000000>,0.350000
<-19.118492,49.612846,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.118492,49.612846,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.104822,47.599174,-0.000000>,0.350000
<-17.104822,48.599174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.104822,48.599174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.104822,48.599174,-0.000000>,0.350000
<-17.487505,49.523056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.487505,49.523056,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.487505,49.523056,-0.000000>,0.350000
<-18.194613,50.230160,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.194613,50.230160,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,43.571835,-0.000000>,0.350000
<-13.077482,44.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.077482,44.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,44.571835,-0.000000>,0.350000
<-13.077482,45.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.077482,45.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,45.571835,-0.000000>,0.350000
<-13.784590,46.278942,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.784590,46.278942,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.784590,46.278942,-0.000000>,0.350000
<-14.167273,47.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.167273,47.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.167273,47.202824,-0.000000>,0.350000
<-14.167273,48.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.167273,48.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,45.571835,-0.000000>,0.350000
<-12.694799,46.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.694799,46.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.694799,46.495716,-0.000000>,0.350000
<-12.694799,47.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.694799,47.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.694799,47.495716,-0.000000>,0.350000
<-13.077482,48.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.077482,48.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,45.571835,-0.000000>,0.350000
<-13.460166,46.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.460166,46.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.460166,46.495716,-0.000000>,0.350000
<-13.842850,47.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.842850,47.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.842850,47.419594,-0.000000>,0.350000
<-14.766729,47.802277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.766729,47.802277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.766729,47.802277,-0.000000>,0.350000
<-15.473836,48.509384,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.473836,48.509384,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.473836,48.509384,-0.000000>,0.350000
<-15.856519,49.433266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.856519,49.433266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.842850,47.419594,-0.000000>,0.350000
<-13.842850,48.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.842850,48.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.842850,48.419594,-0.000000>,0.350000
<-14.225533,49.343475,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.225533,49.343475,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.225533,49.343475,-0.000000>,0.350000
<-14.932640,50.050583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.932640,50.050583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.842850,47.419594,-0.000000>,0.350000
<-14.549956,48.126701,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.549956,48.126701,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.549956,48.126701,-0.000000>,0.350000
<-15.257063,48.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.257063,48.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.257063,48.833809,-0.000000>,0.350000
<-16.257063,48.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.257063,48.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.257063,48.833809,-0.000000>,0.350000
<-17.180943,49.216492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.180943,49.216492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.180943,49.216492,-0.000000>,0.350000
<-17.888050,49.923599,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.888050,49.923599,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.257063,48.833809,-0.000000>,0.350000
<-15.639747,49.757687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.639747,49.757687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.639747,49.757687,-0.000000>,0.350000
<-16.346853,50.464794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.346853,50.464794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.346853,50.464794,-0.000000>,0.350000
<-17.270733,50.847477,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.270733,50.847477,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,43.571835,-0.000000>,0.350000
<-13.077482,44.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.077482,44.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,44.571835,-0.000000>,0.350000
<-13.077482,45.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.077482,45.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,45.571835,-0.000000>,0.350000
<-13.784590,46.278942,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.784590,46.278942,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.784590,46.278942,-0.000000>,0.350000
<-14.167273,47.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.167273,47.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.167273,47.202824,-0.000000>,0.350000
<-14.167273,48.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.167273,48.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,45.571835,-0.000000>,0.350000
<-12.694799,46.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.694799,46.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.694799,46.495716,-0.000000>,0.350000
<-12.694799,47.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.694799,47.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.694799,47.495716,-0.000000>,0.350000
<-13.077482,48.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.077482,48.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,45.571835,-0.000000>,0.350000
<-13.077482,46.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.077482,46.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,46.571835,-0.000000>,0.350000
<-13.077482,47.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.077482,47.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,47.571835,-0.000000>,0.350000
<-13.784590,48.278942,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.784590,48.278942,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.784590,48.278942,-0.000000>,0.350000
<-14.167273,49.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.167273,49.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.167273,49.202824,-0.000000>,0.350000
<-14.167273,50.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.167273,50.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,47.571835,-0.000000>,0.350000
<-12.694799,48.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.694799,48.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.694799,48.495716,-0.000000>,0.350000
<-12.694799,49.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.694799,49.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.694799,49.495716,-0.000000>,0.350000
<-13.077482,50.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.077482,50.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,47.571835,-0.000000>,0.350000
<-13.784590,48.278942,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.784590,48.278942,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.784590,48.278942,-0.000000>,0.350000
<-14.491696,48.986050,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.491696,48.986050,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.491696,48.986050,-0.000000>,0.350000
<-15.491696,48.986050,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.491696,48.986050,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.491696,48.986050,-0.000000>,0.350000
<-16.415575,49.368732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.415575,49.368732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.415575,49.368732,-0.000000>,0.350000
<-17.122683,50.075840,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.122683,50.075840,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.491696,48.986050,-0.000000>,0.350000
<-14.874379,49.909927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.874379,49.909927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.874379,49.909927,-0.000000>,0.350000
<-15.581487,50.617035,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.581487,50.617035,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.581487,50.617035,-0.000000>,0.350000
<-16.505365,50.999718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.505365,50.999718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.491696,48.986050,-0.000000>,0.350000
<-14.874379,49.909927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.874379,49.909927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.874379,49.909927,-0.000000>,0.350000
<-15.257063,50.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.257063,50.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.257063,50.833809,-0.000000>,0.350000
<-16.180943,51.216492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.180943,51.216492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.180943,51.216492,-0.000000>,0.350000
<-16.888050,51.923599,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.888050,51.923599,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.888050,51.923599,-0.000000>,0.350000
<-17.270733,52.847477,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.270733,52.847477,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.257063,50.833809,-0.000000>,0.350000
<-15.257063,51.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.257063,51.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.257063,51.833809,-0.000000>,0.350000
<-15.639747,52.757687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.639747,52.757687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.639747,52.757687,-0.000000>,0.350000
<-16.346853,53.464794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.346853,53.464794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.257063,50.833809,-0.000000>,0.350000
<-15.257063,51.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.257063,51.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.257063,51.833809,-0.000000>,0.350000
<-15.257063,52.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.257063,52.833809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.257063,52.833809,-0.000000>,0.350000
<-15.964170,53.540916,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.964170,53.540916,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.964170,53.540916,-0.000000>,0.350000
<-16.346853,54.464794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.346853,54.464794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.346853,54.464794,-0.000000>,0.350000
<-16.346853,55.464794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.346853,55.464794,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.257063,52.833809,-0.000000>,0.350000
<-14.874379,53.757687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.874379,53.757687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.874379,53.757687,-0.000000>,0.350000
<-14.874379,54.757687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.874379,54.757687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.874379,54.757687,-0.000000>,0.350000
<-15.257063,55.681568,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.257063,55.681568,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,47.571835,-0.000000>,0.350000
<-12.694799,48.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.694799,48.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.694799,48.495716,-0.000000>,0.350000
<-12.312116,49.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312116,49.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,49.419594,-0.000000>,0.350000
<-12.694799,50.343475,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.694799,50.343475,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.694799,50.343475,-0.000000>,0.350000
<-12.694799,51.343475,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.694799,51.343475,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.694799,51.343475,-0.000000>,0.350000
<-12.312116,52.267353,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312116,52.267353,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,49.419594,-0.000000>,0.350000
<-11.605009,50.126701,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.605009,50.126701,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.605009,50.126701,-0.000000>,0.350000
<-11.222325,51.050583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.222325,51.050583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.222325,51.050583,-0.000000>,0.350000
<-11.222325,52.050583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.222325,52.050583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,49.419594,-0.000000>,0.350000
<-12.312116,50.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312116,50.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,50.419594,-0.000000>,0.350000
<-12.312116,51.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312116,51.419594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,51.419594,-0.000000>,0.350000
<-13.019222,52.126701,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.019222,52.126701,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.019222,52.126701,-0.000000>,0.350000
<-13.401906,53.050583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.401906,53.050583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.401906,53.050583,-0.000000>,0.350000
<-13.401906,54.050583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.401906,54.050583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,51.419594,-0.000000>,0.350000
<-11.929432,52.343475,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.929432,52.343475,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.929432,52.343475,-0.000000>,0.350000
<-11.929432,53.343475,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.929432,53.343475,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.929432,53.343475,-0.000000>,0.350000
<-12.312116,54.267353,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312116,54.267353,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,51.419594,-0.000000>,0.350000
<-12.694799,52.343475,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.694799,52.343475,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.694799,52.343475,-0.000000>,0.350000
<-13.077482,53.267353,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.077482,53.267353,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,53.267353,-0.000000>,0.350000
<-14.001362,53.650036,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.001362,53.650036,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.001362,53.650036,-0.000000>,0.350000
<-14.708468,54.357143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.708468,54.357143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.708468,54.357143,-0.000000>,0.350000
<-15.091152,55.281025,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.091152,55.281025,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,53.267353,-0.000000>,0.350000
<-13.077482,54.267353,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.077482,54.267353,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,54.267353,-0.000000>,0.350000
<-13.460166,55.191235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.460166,55.191235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.460166,55.191235,-0.000000>,0.350000
<-14.167273,55.898338,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.167273,55.898338,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,37.047890,-0.000000>,0.350000
<-8.335638,37.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,37.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,37.971771,-0.000000>,0.350000
<-7.952955,38.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,38.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,38.895649,-0.000000>,0.350000
<-8.335638,39.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,39.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,39.819530,-0.000000>,0.350000
<-8.335638,40.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,40.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,40.819530,-0.000000>,0.350000
<-7.952955,41.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,41.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,38.895649,-0.000000>,0.350000
<-7.245848,39.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.245848,39.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.245848,39.602757,-0.000000>,0.350000
<-6.863164,40.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.863164,40.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.863164,40.526634,-0.000000>,0.350000
<-6.863164,41.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.863164,41.526634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,38.895649,-0.000000>,0.350000
<-7.570271,39.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,39.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,39.819530,-0.000000>,0.350000
<-7.187588,40.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,40.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,40.743408,-0.000000>,0.350000
<-7.570271,41.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,41.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,41.667290,-0.000000>,0.350000
<-7.570271,42.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,42.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,42.667290,-0.000000>,0.350000
<-7.187588,43.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,43.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,40.743408,-0.000000>,0.350000
<-6.480481,41.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.480481,41.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.480481,41.450516,-0.000000>,0.350000
<-6.097798,42.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.097798,42.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.097798,42.374393,-0.000000>,0.350000
<-6.097798,43.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.097798,43.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,40.743408,-0.000000>,0.350000
<-7.570271,41.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,41.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,41.667290,-0.000000>,0.350000
<-7.952955,42.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,42.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,42.591167,-0.000000>,0.350000
<-8.876834,42.973850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.876834,42.973850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.876834,42.973850,-0.000000>,0.350000
<-9.583941,43.680958,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.583941,43.680958,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.583941,43.680958,-0.000000>,0.350000
<-9.966624,44.604839,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.966624,44.604839,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,42.591167,-0.000000>,0.350000
<-7.952955,43.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,43.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,43.591167,-0.000000>,0.350000
<-8.335638,44.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,44.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,44.515049,-0.000000>,0.350000
<-9.042745,45.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042745,45.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,42.591167,-0.000000>,0.350000
<-7.952955,43.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,43.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,43.591167,-0.000000>,0.350000
<-7.952955,44.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,44.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,44.591167,-0.000000>,0.350000
<-8.660062,45.298275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.660062,45.298275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.660062,45.298275,-0.000000>,0.350000
<-9.042745,46.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042745,46.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.042745,46.222153,-0.000000>,0.350000
<-9.042745,47.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042745,47.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,44.591167,-0.000000>,0.350000
<-7.570271,45.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,45.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,45.515049,-0.000000>,0.350000
<-7.570271,46.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,46.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,46.515049,-0.000000>,0.350000
<-7.952955,47.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,47.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,44.591167,-0.000000>,0.350000
<-7.570271,45.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,45.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,45.515049,-0.000000>,0.350000
<-7.187588,46.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,46.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,46.438927,-0.000000>,0.350000
<-7.570271,47.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,47.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,47.362804,-0.000000>,0.350000
<-7.570271,48.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,48.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,48.362804,-0.000000>,0.350000
<-7.187588,49.286686,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,49.286686,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,46.438927,-0.000000>,0.350000
<-6.480481,47.146034,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.480481,47.146034,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.480481,47.146034,-0.000000>,0.350000
<-6.097798,48.069912,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.097798,48.069912,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.097798,48.069912,-0.000000>,0.350000
<-6.097798,49.069912,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.097798,49.069912,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,40.743408,-0.000000>,0.350000
<-6.480481,41.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.480481,41.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.480481,41.450516,-0.000000>,0.350000
<-5.773375,42.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.773375,42.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.773375,42.157623,-0.000000>,0.350000
<-5.773375,43.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.773375,43.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.773375,43.157623,-0.000000>,0.350000
<-5.390691,44.081501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.390691,44.081501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.390691,44.081501,-0.000000>,0.350000
<-4.683584,44.788609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.683584,44.788609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.773375,42.157623,-0.000000>,0.350000
<-4.849495,42.540306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.849495,42.540306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.849495,42.540306,-0.000000>,0.350000
<-4.142388,43.247414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.142388,43.247414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.142388,43.247414,-0.000000>,0.350000
<-3.759705,44.171291,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.759705,44.171291,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.773375,42.157623,-0.000000>,0.350000
<-5.390691,43.081501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.390691,43.081501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.390691,43.081501,-0.000000>,0.350000
<-5.008008,44.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.008008,44.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,44.005383,-0.000000>,0.350000
<-5.390691,44.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.390691,44.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.390691,44.929260,-0.000000>,0.350000
<-5.390691,45.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.390691,45.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.390691,45.929260,-0.000000>,0.350000
<-5.008008,46.853142,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.008008,46.853142,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,44.005383,-0.000000>,0.350000
<-4.300901,44.712486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.300901,44.712486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.300901,44.712486,-0.000000>,0.350000
<-3.918217,45.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.918217,45.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.918217,45.636368,-0.000000>,0.350000
<-3.918217,46.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.918217,46.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,44.005383,-0.000000>,0.350000
<-5.008008,45.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.008008,45.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,45.005383,-0.000000>,0.350000
<-5.008008,46.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.008008,46.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,46.005383,-0.000000>,0.350000
<-5.715114,46.712486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.715114,46.712486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.715114,46.712486,-0.000000>,0.350000
<-6.097798,47.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.097798,47.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.097798,47.636368,-0.000000>,0.350000
<-6.097798,48.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.097798,48.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,46.005383,-0.000000>,0.350000
<-4.625324,46.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.625324,46.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.625324,46.929260,-0.000000>,0.350000
<-4.625324,47.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.625324,47.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.625324,47.929260,-0.000000>,0.350000
<-5.008008,48.853142,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.008008,48.853142,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,40.743408,-0.000000>,0.350000
<-7.187588,41.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,41.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,41.743408,-0.000000>,0.350000
<-7.187588,42.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,42.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,42.743408,-0.000000>,0.350000
<-7.894695,43.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.894695,43.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.894695,43.450516,-0.000000>,0.350000
<-8.277378,44.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.277378,44.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.277378,44.374393,-0.000000>,0.350000
<-8.277378,45.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.277378,45.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,42.743408,-0.000000>,0.350000
<-6.804904,43.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,43.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,43.667290,-0.000000>,0.350000
<-6.804904,44.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,44.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,44.667290,-0.000000>,0.350000
<-7.187588,45.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,45.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,42.743408,-0.000000>,0.350000
<-7.187588,43.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,43.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,43.743408,-0.000000>,0.350000
<-7.187588,44.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,44.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,44.743408,-0.000000>,0.350000
<-7.894695,45.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.894695,45.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.894695,45.450516,-0.000000>,0.350000
<-8.277378,46.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.277378,46.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.277378,46.374393,-0.000000>,0.350000
<-8.277378,47.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.277378,47.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,44.743408,-0.000000>,0.350000
<-6.804904,45.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,45.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,45.667290,-0.000000>,0.350000
<-6.804904,46.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,46.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,46.667290,-0.000000>,0.350000
<-7.187588,47.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,47.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,44.743408,-0.000000>,0.350000
<-7.894695,45.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.894695,45.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.894695,45.450516,-0.000000>,0.350000
<-8.601802,46.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.601802,46.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.601802,46.157623,-0.000000>,0.350000
<-9.601802,46.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.601802,46.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.601802,46.157623,-0.000000>,0.350000
<-10.525681,46.540306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.525681,46.540306,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.525681,46.540306,-0.000000>,0.350000
<-11.232788,47.247414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.232788,47.247414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.601802,46.157623,-0.000000>,0.350000
<-8.984485,47.081501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.984485,47.081501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.984485,47.081501,-0.000000>,0.350000
<-9.691592,47.788609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.691592,47.788609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.691592,47.788609,-0.000000>,0.350000
<-10.615471,48.171291,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.615471,48.171291,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.601802,46.157623,-0.000000>,0.350000
<-8.984485,47.081501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.984485,47.081501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.984485,47.081501,-0.000000>,0.350000
<-9.367168,48.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.367168,48.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.367168,48.005383,-0.000000>,0.350000
<-10.291048,48.388065,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.291048,48.388065,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.291048,48.388065,-0.000000>,0.350000
<-10.998155,49.095173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.998155,49.095173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.998155,49.095173,-0.000000>,0.350000
<-11.380838,50.019051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.380838,50.019051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.367168,48.005383,-0.000000>,0.350000
<-9.367168,49.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.367168,49.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.367168,49.005383,-0.000000>,0.350000
<-9.749852,49.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.749852,49.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.749852,49.929260,-0.000000>,0.350000
<-10.456959,50.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.456959,50.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.367168,48.005383,-0.000000>,0.350000
<-9.367168,49.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.367168,49.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.367168,49.005383,-0.000000>,0.350000
<-9.367168,50.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.367168,50.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.367168,50.005383,-0.000000>,0.350000
<-10.074275,50.712486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.074275,50.712486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.074275,50.712486,-0.000000>,0.350000
<-10.456959,51.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.456959,51.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.456959,51.636368,-0.000000>,0.350000
<-10.456959,52.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.456959,52.636368,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.367168,50.005383,-0.000000>,0.350000
<-8.984485,50.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.984485,50.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.984485,50.929260,-0.000000>,0.350000
<-8.984485,51.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.984485,51.929260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.984485,51.929260,-0.000000>,0.350000
<-9.367168,52.853142,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.367168,52.853142,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,44.743408,-0.000000>,0.350000
<-6.804904,45.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,45.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,45.667290,-0.000000>,0.350000
<-6.422221,46.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.422221,46.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,46.591167,-0.000000>,0.350000
<-6.804904,47.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,47.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,47.515049,-0.000000>,0.350000
<-6.804904,48.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,48.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,48.515049,-0.000000>,0.350000
<-6.422221,49.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.422221,49.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,46.591167,-0.000000>,0.350000
<-5.715114,47.298275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.715114,47.298275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.715114,47.298275,-0.000000>,0.350000
<-5.332431,48.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.332431,48.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.332431,48.222153,-0.000000>,0.350000
<-5.332431,49.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.332431,49.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,46.591167,-0.000000>,0.350000
<-6.422221,47.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.422221,47.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,47.591167,-0.000000>,0.350000
<-6.422221,48.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.422221,48.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,48.591167,-0.000000>,0.350000
<-7.129328,49.298275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.129328,49.298275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.129328,49.298275,-0.000000>,0.350000
<-7.512012,50.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.512012,50.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.512012,50.222153,-0.000000>,0.350000
<-7.512012,51.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.512012,51.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,48.591167,-0.000000>,0.350000
<-6.039538,49.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.039538,49.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.039538,49.515049,-0.000000>,0.350000
<-6.039538,50.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.039538,50.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.039538,50.515049,-0.000000>,0.350000
<-6.422221,51.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.422221,51.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,48.591167,-0.000000>,0.350000
<-6.804904,49.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.804904,49.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.804904,49.515049,-0.000000>,0.350000
<-7.187588,50.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,50.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,50.438927,-0.000000>,0.350000
<-8.111467,50.821609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.111467,50.821609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.111467,50.821609,-0.000000>,0.350000
<-8.818574,51.528717,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.818574,51.528717,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.818574,51.528717,-0.000000>,0.350000
<-9.201258,52.452595,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.201258,52.452595,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,50.438927,-0.000000>,0.350000
<-7.187588,51.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.187588,51.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,51.438927,-0.000000>,0.350000
<-7.570271,52.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,52.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,52.362804,-0.000000>,0.350000
<-8.277378,53.069912,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.277378,53.069912,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.187588,44.743408,-0.000000>,0.350000
<-7.570271,45.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.570271,45.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.570271,45.667290,-0.000000>,0.350000
<-7.952955,46.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,46.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,46.591167,-0.000000>,0.350000
<-8.876834,46.973850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.876834,46.973850,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.876834,46.973850,-0.000000>,0.350000
<-9.583941,47.680958,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.583941,47.680958,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.583941,47.680958,-0.000000>,0.350000
<-9.966624,48.604839,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.966624,48.604839,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,46.591167,-0.000000>,0.350000
<-7.952955,47.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.952955,47.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,47.591167,-0.000000>,0.350000
<-8.335638,48.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,48.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,48.515049,-0.000000>,0.350000
<-9.042745,49.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042745,49.222153,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.952955,46.591167,-0.000000>,0.350000
<-8.335638,47.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,47.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,47.515049,-0.000000>,0.350000
<-8.718322,48.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,48.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,48.438927,-0.000000>,0.350000
<-9.642201,48.821609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.642201,48.821609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.642201,48.821609,-0.000000>,0.350000
<-10.349308,49.528717,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.349308,49.528717,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.349308,49.528717,-0.000000>,0.350000
<-10.731992,50.452595,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.731992,50.452595,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,48.438927,-0.000000>,0.350000
<-8.718322,49.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,49.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,49.438927,-0.000000>,0.350000
<-9.101006,50.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.101006,50.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.101006,50.362804,-0.000000>,0.350000
<-9.808112,51.069912,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,51.069912,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,48.438927,-0.000000>,0.350000
<-9.642201,48.821609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.642201,48.821609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.642201,48.821609,-0.000000>,0.350000
<-10.566081,49.204292,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.566081,49.204292,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,49.204292,-0.000000>,0.350000
<-11.489961,48.821609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.489961,48.821609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.489961,48.821609,-0.000000>,0.350000
<-12.489961,48.821609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.489961,48.821609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.489961,48.821609,-0.000000>,0.350000
<-13.413840,49.204292,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.413840,49.204292,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,49.204292,-0.000000>,0.350000
<-11.273188,49.911400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.273188,49.911400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.273188,49.911400,-0.000000>,0.350000
<-12.197067,50.294083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.197067,50.294083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.197067,50.294083,-0.000000>,0.350000
<-13.197067,50.294083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.197067,50.294083,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,49.204292,-0.000000>,0.350000
<-11.273188,49.911400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.273188,49.911400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.273188,49.911400,-0.000000>,0.350000
<-11.980294,50.618507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.980294,50.618507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.980294,50.618507,-0.000000>,0.350000
<-12.980294,50.618507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.980294,50.618507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.980294,50.618507,-0.000000>,0.350000
<-13.904174,51.001190,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.904174,51.001190,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.904174,51.001190,-0.000000>,0.350000
<-14.611280,51.708298,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.611280,51.708298,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.980294,50.618507,-0.000000>,0.350000
<-12.362978,51.542385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.362978,51.542385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.362978,51.542385,-0.000000>,0.350000
<-13.070085,52.249493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.070085,52.249493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.070085,52.249493,-0.000000>,0.350000
<-13.993964,52.632175,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.993964,52.632175,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.980294,50.618507,-0.000000>,0.350000
<-12.362978,51.542385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.362978,51.542385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.362978,51.542385,-0.000000>,0.350000
<-12.745661,52.466267,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.745661,52.466267,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.745661,52.466267,-0.000000>,0.350000
<-13.669540,52.848949,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.669540,52.848949,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.669540,52.848949,-0.000000>,0.350000
<-14.376648,53.556057,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.376648,53.556057,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.376648,53.556057,-0.000000>,0.350000
<-14.759331,54.479935,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.759331,54.479935,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.745661,52.466267,-0.000000>,0.350000
<-12.745661,53.466267,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.745661,53.466267,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.745661,53.466267,-0.000000>,0.350000
<-13.128345,54.390144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.128345,54.390144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.128345,54.390144,-0.000000>,0.350000
<-13.835451,55.097252,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.835451,55.097252,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,48.438927,-0.000000>,0.350000
<-8.718322,49.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,49.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,49.438927,-0.000000>,0.350000
<-8.718322,50.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,50.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,50.438927,-0.000000>,0.350000
<-9.425428,51.146034,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.425428,51.146034,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.425428,51.146034,-0.000000>,0.350000
<-9.808112,52.069912,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,52.069912,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.808112,52.069912,-0.000000>,0.350000
<-9.808112,53.069912,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.808112,53.069912,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,50.438927,-0.000000>,0.350000
<-8.335638,51.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,51.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,51.362804,-0.000000>,0.350000
<-8.335638,52.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.335638,52.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.335638,52.362804,-0.000000>,0.350000
<-8.718322,53.286686,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,53.286686,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,50.438927,-0.000000>,0.350000
<-9.101006,51.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.101006,51.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.101006,51.362804,-0.000000>,0.350000
<-9.483688,52.286686,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.483688,52.286686,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,52.286686,-0.000000>,0.350000
<-10.407568,52.669369,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407568,52.669369,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407568,52.669369,-0.000000>,0.350000
<-11.114675,53.376476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.114675,53.376476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.114675,53.376476,-0.000000>,0.350000
<-11.497358,54.300354,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.497358,54.300354,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,52.286686,-0.000000>,0.350000
<-9.483688,53.286686,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.483688,53.286686,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,53.286686,-0.000000>,0.350000
<-9.866372,54.210564,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.866372,54.210564,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.866372,54.210564,-0.000000>,0.350000
<-10.573479,54.917671,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.573479,54.917671,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,52.286686,-0.000000>,0.350000
<-10.190795,52.993793,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.190795,52.993793,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.190795,52.993793,-0.000000>,0.350000
<-10.897902,53.700901,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,53.700901,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,53.700901,-0.000000>,0.350000
<-11.897902,53.700901,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.897902,53.700901,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.897902,53.700901,-0.000000>,0.350000
<-12.821782,54.083584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.821782,54.083584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.821782,54.083584,-0.000000>,0.350000
<-13.528889,54.790691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.528889,54.790691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,53.700901,-0.000000>,0.350000
<-11.280585,54.624779,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.280585,54.624779,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.280585,54.624779,-0.000000>,0.350000
<-11.987692,55.331886,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.987692,55.331886,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.987692,55.331886,-0.000000>,0.350000
<-12.911572,55.714569,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.911572,55.714569,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.350000
<0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,16.923880,-0.000000>,0.350000
<0.765367,17.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,17.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.847759,-0.000000>,0.350000
<0.382683,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,18.771639,-0.000000>,0.350000
<0.382683,19.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,19.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,19.771639,-0.000000>,0.350000
<0.765367,20.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,20.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.847759,-0.000000>,0.350000
<1.472474,18.554867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.472474,18.554867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,18.554867,-0.000000>,0.350000
<1.855157,19.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,19.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,19.478745,-0.000000>,0.350000
<1.855157,20.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,20.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.847759,-0.000000>,0.350000
<1.148050,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,18.771639,-0.000000>,0.350000
<1.530734,19.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,19.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<1.148050,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,20.619398,-0.000000>,0.350000
<1.148050,21.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,21.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,21.619398,-0.000000>,0.350000
<1.530734,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<2.237840,20.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,20.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,20.402624,-0.000000>,0.350000
<2.620524,21.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,21.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.620524,21.326504,-0.000000>,0.350000
<2.620524,22.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,22.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<1.148050,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,20.619398,-0.000000>,0.350000
<0.765367,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,21.543278,-0.000000>,0.350000
<-0.158513,21.925961,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.158513,21.925961,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.158513,21.925961,-0.000000>,0.350000
<-0.865619,22.633068,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.865619,22.633068,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.865619,22.633068,-0.000000>,0.350000
<-1.248303,23.556948,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.248303,23.556948,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,21.543278,-0.000000>,0.350000
<0.765367,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,22.543278,-0.000000>,0.350000
<0.382683,23.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,23.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,23.467157,-0.000000>,0.350000
<-0.324423,24.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,24.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,21.543278,-0.000000>,0.350000
<0.765367,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,22.543278,-0.000000>,0.350000
<0.765367,23.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,23.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,23.543278,-0.000000>,0.350000
<0.058260,24.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.058260,24.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.058260,24.250383,-0.000000>,0.350000
<-0.324423,25.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,25.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.324423,25.174263,-0.000000>,0.350000
<-0.324423,26.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,26.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,23.543278,-0.000000>,0.350000
<1.148050,24.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,24.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,24.467157,-0.000000>,0.350000
<1.148050,25.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,25.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,25.467157,-0.000000>,0.350000
<0.765367,26.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,26.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,23.543278,-0.000000>,0.350000
<1.148050,24.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,24.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,24.467157,-0.000000>,0.350000
<1.530734,25.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,25.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,25.391037,-0.000000>,0.350000
<1.148050,26.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,26.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,26.314917,-0.000000>,0.350000
<1.148050,27.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,27.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,27.314917,-0.000000>,0.350000
<1.530734,28.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,28.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,25.391037,-0.000000>,0.350000
<2.237840,26.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,26.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,26.098143,-0.000000>,0.350000
<2.620524,27.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,27.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.620524,27.022022,-0.000000>,0.350000
<2.620524,28.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,28.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<2.237840,20.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,20.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,20.402624,-0.000000>,0.350000
<2.944947,21.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,21.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,21.109732,-0.000000>,0.350000
<2.944947,22.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,22.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,22.109732,-0.000000>,0.350000
<3.327631,23.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,23.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,23.033611,-0.000000>,0.350000
<4.034738,23.740719,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.034738,23.740719,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,21.109732,-0.000000>,0.350000
<3.868827,21.492414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.868827,21.492414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.868827,21.492414,-0.000000>,0.350000
<4.575933,22.199522,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.575933,22.199522,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.575933,22.199522,-0.000000>,0.350000
<4.958617,23.123402,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.958617,23.123402,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,21.109732,-0.000000>,0.350000
<3.327631,22.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,22.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,22.033611,-0.000000>,0.350000
<3.710314,22.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,22.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,22.957491,-0.000000>,0.350000
<3.327631,23.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,23.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,23.881371,-0.000000>,0.350000
<3.327631,24.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,24.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,24.881371,-0.000000>,0.350000
<3.710314,25.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,25.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,22.957491,-0.000000>,0.350000
<4.417421,23.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.417421,23.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.417421,23.664598,-0.000000>,0.350000
<4.800104,24.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.800104,24.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.800104,24.588476,-0.000000>,0.350000
<4.800104,25.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.800104,25.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,22.957491,-0.000000>,0.350000
<3.710314,23.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,23.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,23.957491,-0.000000>,0.350000
<3.710314,24.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,24.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,24.957491,-0.000000>,0.350000
<3.003207,25.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,25.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,25.664598,-0.000000>,0.350000
<2.620524,26.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,26.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.620524,26.588476,-0.000000>,0.350000
<2.620524,27.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,27.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,24.957491,-0.000000>,0.350000
<4.092998,25.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,25.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,25.881371,-0.000000>,0.350000
<4.092998,26.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,26.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,26.881371,-0.000000>,0.350000
<3.710314,27.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,27.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<1.913417,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,20.619398,-0.000000>,0.350000
<2.296101,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,21.543278,-0.000000>,0.350000
<1.913417,22.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,22.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,22.467157,-0.000000>,0.350000
<1.913417,23.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,23.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,23.467157,-0.000000>,0.350000
<2.296101,24.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,24.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,21.543278,-0.000000>,0.350000
<3.003207,22.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,22.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,22.250383,-0.000000>,0.350000
<3.385891,23.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.385891,23.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.385891,23.174263,-0.000000>,0.350000
<3.385891,24.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.385891,24.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,21.543278,-0.000000>,0.350000
<2.678784,22.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,22.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,22.467157,-0.000000>,0.350000
<3.061467,23.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,23.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,23.391037,-0.000000>,0.350000
<2.678784,24.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,24.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,24.314917,-0.000000>,0.350000
<2.678784,25.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,25.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,25.314917,-0.000000>,0.350000
<3.061467,26.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,26.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,23.391037,-0.000000>,0.350000
<3.768574,24.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.768574,24.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.768574,24.098143,-0.000000>,0.350000
<4.151258,25.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,25.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,25.022022,-0.000000>,0.350000
<4.151258,26.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,26.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,23.391037,-0.000000>,0.350000
<2.678784,24.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,24.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,24.314917,-0.000000>,0.350000
<2.296101,25.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,25.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,25.238796,-0.000000>,0.350000
<1.372221,25.621479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.372221,25.621479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.372221,25.621479,-0.000000>,0.350000
<0.665114,26.328585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.665114,26.328585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.665114,26.328585,-0.000000>,0.350000
<0.282431,27.252464,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.282431,27.252464,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,25.238796,-0.000000>,0.350000
<2.296101,26.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,26.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,26.238796,-0.000000>,0.350000
<1.913417,27.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,27.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,27.162674,-0.000000>,0.350000
<1.206310,27.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206310,27.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,25.238796,-0.000000>,0.350000
<2.296101,26.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,26.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,26.238796,-0.000000>,0.350000
<2.296101,27.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,27.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,27.238796,-0.000000>,0.350000
<1.588994,27.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.588994,27.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.588994,27.945902,-0.000000>,0.350000
<1.206310,28.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206310,28.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.206310,28.869781,-0.000000>,0.350000
<1.206310,29.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206310,29.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,27.238796,-0.000000>,0.350000
<2.678784,28.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,28.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,28.162674,-0.000000>,0.350000
<2.678784,29.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,29.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,29.162674,-0.000000>,0.350000
<2.296101,30.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,30.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,27.238796,-0.000000>,0.350000
<2.678784,28.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,28.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,28.162674,-0.000000>,0.350000
<3.061467,29.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,29.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,29.086554,-0.000000>,0.350000
<2.678784,30.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,30.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,30.010433,-0.000000>,0.350000
<2.678784,31.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,31.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,31.010433,-0.000000>,0.350000
<3.061467,31.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,31.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,29.086554,-0.000000>,0.350000
<3.768574,29.793661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.768574,29.793661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.768574,29.793661,-0.000000>,0.350000
<4.151258,30.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,30.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,30.717541,-0.000000>,0.350000
<4.151258,31.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,31.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,23.391037,-0.000000>,0.350000
<3.768574,24.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.768574,24.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.768574,24.098143,-0.000000>,0.350000
<4.475681,24.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.475681,24.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,24.805250,-0.000000>,0.350000
<4.475681,25.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.475681,25.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,25.805250,-0.000000>,0.350000
<4.858365,26.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,26.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,26.729130,-0.000000>,0.350000
<5.565471,27.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,27.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,24.805250,-0.000000>,0.350000
<5.399560,25.187933,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.399560,25.187933,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.399560,25.187933,-0.000000>,0.350000
<6.106668,25.895041,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.106668,25.895041,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.106668,25.895041,-0.000000>,0.350000
<6.489351,26.818920,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.489351,26.818920,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,24.805250,-0.000000>,0.350000
<4.858365,25.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,25.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,25.729130,-0.000000>,0.350000
<5.241048,26.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,26.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,26.653009,-0.000000>,0.350000
<4.858365,27.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,27.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,27.576889,-0.000000>,0.350000
<4.858365,28.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,28.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,28.576889,-0.000000>,0.350000
<5.241048,29.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,29.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,26.653009,-0.000000>,0.350000
<5.948154,27.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.948154,27.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.948154,27.360115,-0.000000>,0.350000
<6.330838,28.283995,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.330838,28.283995,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.330838,28.283995,-0.000000>,0.350000
<6.330838,29.283995,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.330838,29.283995,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,26.653009,-0.000000>,0.350000
<5.241048,27.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,27.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,27.653009,-0.000000>,0.350000
<5.241048,28.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,28.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,28.653009,-0.000000>,0.350000
<4.533941,29.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.533941,29.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.533941,29.360115,-0.000000>,0.350000
<4.151258,30.283995,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,30.283995,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,30.283995,-0.000000>,0.350000
<4.151258,31.283995,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,31.283995,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,28.653009,-0.000000>,0.350000
<5.623731,29.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.623731,29.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.623731,29.576889,-0.000000>,0.350000
<5.623731,30.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.623731,30.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.623731,30.576889,-0.000000>,0.350000
<5.241048,31.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,31.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,23.391037,-0.000000>,0.350000
<2.678784,24.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,24.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,24.314917,-0.000000>,0.350000
<2.296101,25.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,25.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,25.238796,-0.000000>,0.350000
<1.372221,25.621479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.372221,25.621479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.372221,25.621479,-0.000000>,0.350000
<0.665114,26.328585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.665114,26.328585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.665114,26.328585,-0.000000>,0.350000
<0.282431,27.252464,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.282431,27.252464,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,25.238796,-0.000000>,0.350000
<2.296101,26.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,26.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,26.238796,-0.000000>,0.350000
<1.913417,27.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,27.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,27.162674,-0.000000>,0.350000
<1.206310,27.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206310,27.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,25.238796,-0.000000>,0.350000
<1.913417,26.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,26.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,26.162674,-0.000000>,0.350000
<1.530734,27.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,27.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,27.086554,-0.000000>,0.350000
<0.606854,27.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.606854,27.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.606854,27.469238,-0.000000>,0.350000
<-0.100253,28.176344,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.100253,28.176344,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.100253,28.176344,-0.000000>,0.350000
<-0.482936,29.100224,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.482936,29.100224,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,27.086554,-0.000000>,0.350000
<1.530734,28.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,28.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,28.086554,-0.000000>,0.350000
<1.148050,29.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,29.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,29.010433,-0.000000>,0.350000
<0.440944,29.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,29.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,27.086554,-0.000000>,0.350000
<0.606854,27.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.606854,27.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.606854,27.469238,-0.000000>,0.350000
<-0.317025,27.851921,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.317025,27.851921,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.317025,27.851921,-0.000000>,0.350000
<-1.240905,27.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.240905,27.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.240905,27.469238,-0.000000>,0.350000
<-2.240905,27.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.240905,27.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.240905,27.469238,-0.000000>,0.350000
<-3.164784,27.851921,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.164784,27.851921,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.317025,27.851921,-0.000000>,0.350000
<-1.024132,28.559029,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.024132,28.559029,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.024132,28.559029,-0.000000>,0.350000
<-1.948012,28.941711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.948012,28.941711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.948012,28.941711,-0.000000>,0.350000
<-2.948012,28.941711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.948012,28.941711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.317025,27.851921,-0.000000>,0.350000
<-1.024132,28.559029,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.024132,28.559029,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.024132,28.559029,-0.000000>,0.350000
<-1.731239,29.266134,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.731239,29.266134,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.731239,29.266134,-0.000000>,0.350000
<-2.731239,29.266134,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.731239,29.266134,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.731239,29.266134,-0.000000>,0.350000
<-3.655118,29.648819,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.655118,29.648819,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.655118,29.648819,-0.000000>,0.350000
<-4.362225,30.355925,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.362225,30.355925,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.731239,29.266134,-0.000000>,0.350000
<-2.113922,30.190014,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.113922,30.190014,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.113922,30.190014,-0.000000>,0.350000
<-2.821029,30.897121,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.821029,30.897121,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.821029,30.897121,-0.000000>,0.350000
<-3.744909,31.279804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.744909,31.279804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.731239,29.266134,-0.000000>,0.350000
<-2.113922,30.190014,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.113922,30.190014,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.113922,30.190014,-0.000000>,0.350000
<-2.496606,31.113894,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.496606,31.113894,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.496606,31.113894,-0.000000>,0.350000
<-3.420485,31.496578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420485,31.496578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420485,31.496578,-0.000000>,0.350000
<-4.127592,32.203686,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.127592,32.203686,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.127592,32.203686,-0.000000>,0.350000
<-4.510275,33.127563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.510275,33.127563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.496606,31.113894,-0.000000>,0.350000
<-2.496606,32.113895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.496606,32.113895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.496606,32.113895,-0.000000>,0.350000
<-2.879289,33.037773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.879289,33.037773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.879289,33.037773,-0.000000>,0.350000
<-3.586396,33.744881,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.586396,33.744881,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,27.086554,-0.000000>,0.350000
<1.530734,28.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,28.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,28.086554,-0.000000>,0.350000
<1.530734,29.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,29.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,29.086554,-0.000000>,0.350000
<0.823627,29.793661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.823627,29.793661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.823627,29.793661,-0.000000>,0.350000
<0.440944,30.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,30.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.440944,30.717541,-0.000000>,0.350000
<0.440944,31.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,31.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,29.086554,-0.000000>,0.350000
<1.913417,30.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,30.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,30.010433,-0.000000>,0.350000
<1.913417,31.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,31.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,31.010433,-0.000000>,0.350000
<1.530734,31.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,31.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,29.086554,-0.000000>,0.350000
<1.148050,30.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,30.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,30.010433,-0.000000>,0.350000
<0.765367,30.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,30.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,30.934313,-0.000000>,0.350000
<-0.158513,31.316998,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.158513,31.316998,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.158513,31.316998,-0.000000>,0.350000
<-0.865619,32.024105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.865619,32.024105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.865619,32.024105,-0.000000>,0.350000
<-1.248303,32.947983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.248303,32.947983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,30.934313,-0.000000>,0.350000
<0.765367,31.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,31.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,31.934313,-0.000000>,0.350000
<0.382683,32.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,32.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,32.858192,-0.000000>,0.350000
<-0.324423,33.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,33.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,30.934313,-0.000000>,0.350000
<0.058260,31.641420,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.058260,31.641420,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.058260,31.641420,-0.000000>,0.350000
<-0.648847,32.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,32.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,32.348526,-0.000000>,0.350000
<-1.648847,32.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648847,32.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.648847,32.348526,-0.000000>,0.350000
<-2.572726,32.731209,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.572726,32.731209,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.572726,32.731209,-0.000000>,0.350000
<-3.279833,33.438316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.279833,33.438316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,32.348526,-0.000000>,0.350000
<-1.031530,33.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.031530,33.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.031530,33.272408,-0.000000>,0.350000
<-1.738637,33.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.738637,33.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.738637,33.979515,-0.000000>,0.350000
<-2.662516,34.362198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.662516,34.362198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,27.086554,-0.000000>,0.350000
<1.530734,28.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,28.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,28.086554,-0.000000>,0.350000
<1.530734,29.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,29.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,29.086554,-0.000000>,0.350000
<0.823627,29.793661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.823627,29.793661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.823627,29.793661,-0.000000>,0.350000
<0.440944,30.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,30.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.440944,30.717541,-0.000000>,0.350000
<0.440944,31.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,31.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,29.086554,-0.000000>,0.350000
<1.913417,30.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,30.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,30.010433,-0.000000>,0.350000
<1.913417,31.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,31.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,31.010433,-0.000000>,0.350000
<1.530734,31.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,31.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,29.086554,-0.000000>,0.350000
<1.530734,30.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,30.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,30.086554,-0.000000>,0.350000
<1.530734,31.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,31.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,31.086554,-0.000000>,0.350000
<0.823627,31.793661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.823627,31.793661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.823627,31.793661,-0.000000>,0.350000
<0.440944,32.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,32.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.440944,32.717541,-0.000000>,0.350000
<0.440944,33.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,33.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,31.086554,-0.000000>,0.350000
<1.913417,32.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,32.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,32.010433,-0.000000>,0.350000
<1.913417,33.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,33.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,33.010433,-0.000000>,0.350000
<1.530734,33.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,33.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,31.086554,-0.000000>,0.350000
<0.823627,31.793661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.823627,31.793661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.823627,31.793661,-0.000000>,0.350000
<0.116520,32.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.116520,32.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.116520,32.500767,-0.000000>,0.350000
<-0.883480,32.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.883480,32.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.883480,32.500767,-0.000000>,0.350000
<-1.807359,32.883450,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.807359,32.883450,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.807359,32.883450,-0.000000>,0.350000
<-2.514466,33.590557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.514466,33.590557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.116520,32.500767,-0.000000>,0.350000
<-0.266163,33.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.266163,33.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,33.424648,-0.000000>,0.350000
<-0.973270,34.131756,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.973270,34.131756,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.973270,34.131756,-0.000000>,0.350000
<-1.897150,34.514439,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.897150,34.514439,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.116520,32.500767,-0.000000>,0.350000
<-0.266163,33.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.266163,33.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,33.424648,-0.000000>,0.350000
<-0.648847,34.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,34.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,34.348526,-0.000000>,0.350000
<-1.572726,34.731209,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.572726,34.731209,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.572726,34.731209,-0.000000>,0.350000
<-2.279833,35.438316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.279833,35.438316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.279833,35.438316,-0.000000>,0.350000
<-2.662516,36.362198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.662516,36.362198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,34.348526,-0.000000>,0.350000
<-0.648847,35.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,35.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,35.348526,-0.000000>,0.350000
<-1.031530,36.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.031530,36.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.031530,36.272408,-0.000000>,0.350000
<-1.738637,36.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.738637,36.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,34.348526,-0.000000>,0.350000
<-0.648847,35.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,35.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,35.348526,-0.000000>,0.350000
<-0.648847,36.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,36.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,36.348526,-0.000000>,0.350000
<-1.355953,37.055634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.355953,37.055634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.355953,37.055634,-0.000000>,0.350000
<-1.738637,37.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.738637,37.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.738637,37.979515,-0.000000>,0.350000
<-1.738637,38.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.738637,38.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,36.348526,-0.000000>,0.350000
<-0.266163,37.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.266163,37.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,37.272408,-0.000000>,0.350000
<-0.266163,38.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.266163,38.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.266163,38.272408,-0.000000>,0.350000
<-0.648847,39.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,39.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,31.086554,-0.000000>,0.350000
<1.913417,32.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,32.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,32.010433,-0.000000>,0.350000
<2.296101,32.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,32.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,32.934315,-0.000000>,0.350000
<1.913417,33.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,33.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,33.858192,-0.000000>,0.350000
<1.913417,34.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,34.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,34.858192,-0.000000>,0.350000
<2.296101,35.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,35.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,32.934315,-0.000000>,0.350000
<3.003207,33.641418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,33.641418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,33.641418,-0.000000>,0.350000
<3.385891,34.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.385891,34.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.385891,34.565300,-0.000000>,0.350000
<3.385891,35.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.385891,35.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,32.934315,-0.000000>,0.350000
<2.296101,33.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,33.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,33.934315,-0.000000>,0.350000
<2.296101,34.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,34.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,34.934315,-0.000000>,0.350000
<1.588994,35.641418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.588994,35.641418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.588994,35.641418,-0.000000>,0.350000
<1.206310,36.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206310,36.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.206310,36.565300,-0.000000>,0.350000
<1.206310,37.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206310,37.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,34.934315,-0.000000>,0.350000
<2.678784,35.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,35.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,35.858192,-0.000000>,0.350000
<2.678784,36.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,36.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,36.858192,-0.000000>,0.350000
<2.296101,37.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,37.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,34.934315,-0.000000>,0.350000
<1.913417,35.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,35.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,35.858192,-0.000000>,0.350000
<1.530734,36.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,36.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,36.782074,-0.000000>,0.350000
<0.606854,37.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.606854,37.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.606854,37.164757,-0.000000>,0.350000
<-0.100253,37.871864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.100253,37.871864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.100253,37.871864,-0.000000>,0.350000
<-0.482936,38.795742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.482936,38.795742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,36.782074,-0.000000>,0.350000
<1.530734,37.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,37.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,37.782074,-0.000000>,0.350000
<1.148050,38.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,38.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,38.705952,-0.000000>,0.350000
<0.440944,39.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,39.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,31.086554,-0.000000>,0.350000
<1.913417,32.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,32.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,32.010433,-0.000000>,0.350000
<2.296101,32.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,32.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,32.934315,-0.000000>,0.350000
<1.913417,33.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,33.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,33.858192,-0.000000>,0.350000
<1.913417,34.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,34.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,34.858192,-0.000000>,0.350000
<2.296101,35.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,35.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,32.934315,-0.000000>,0.350000
<3.003207,33.641418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,33.641418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,33.641418,-0.000000>,0.350000
<3.385891,34.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.385891,34.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.385891,34.565300,-0.000000>,0.350000
<3.385891,35.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.385891,35.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,32.934315,-0.000000>,0.350000
<2.678784,33.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,33.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,33.858192,-0.000000>,0.350000
<3.061467,34.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,34.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,34.782074,-0.000000>,0.350000
<2.678784,35.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,35.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,35.705952,-0.000000>,0.350000
<2.678784,36.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,36.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,36.705952,-0.000000>,0.350000
<3.061467,37.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,37.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,34.782074,-0.000000>,0.350000
<3.768574,35.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.768574,35.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.768574,35.489178,-0.000000>,0.350000
<4.151258,36.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,36.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,36.413059,-0.000000>,0.350000
<4.151258,37.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,37.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,34.782074,-0.000000>,0.350000
<2.678784,35.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,35.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,35.705952,-0.000000>,0.350000
<2.296101,36.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,36.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,36.629833,-0.000000>,0.350000
<1.372221,37.012516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.372221,37.012516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.372221,37.012516,-0.000000>,0.350000
<0.665114,37.719624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.665114,37.719624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.665114,37.719624,-0.000000>,0.350000
<0.282431,38.643501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.282431,38.643501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,36.629833,-0.000000>,0.350000
<2.296101,37.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,37.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,37.629833,-0.000000>,0.350000
<1.913417,38.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,38.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,38.553711,-0.000000>,0.350000
<1.206310,39.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206310,39.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,36.629833,-0.000000>,0.350000
<2.296101,37.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,37.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,37.629833,-0.000000>,0.350000
<2.296101,38.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,38.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,38.629833,-0.000000>,0.350000
<1.588994,39.336937,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.588994,39.336937,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.588994,39.336937,-0.000000>,0.350000
<1.206310,40.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206310,40.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.206310,40.260818,-0.000000>,0.350000
<1.206310,41.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206310,41.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,38.629833,-0.000000>,0.350000
<2.678784,39.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,39.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,39.553711,-0.000000>,0.350000
<2.678784,40.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,40.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,40.553711,-0.000000>,0.350000
<2.296101,41.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,41.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,38.629833,-0.000000>,0.350000
<2.678784,39.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,39.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,39.553711,-0.000000>,0.350000
<3.061467,40.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,40.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,40.477592,-0.000000>,0.350000
<2.678784,41.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,41.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,41.401470,-0.000000>,0.350000
<2.678784,42.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,42.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,42.401470,-0.000000>,0.350000
<3.061467,43.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,43.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,40.477592,-0.000000>,0.350000
<3.768574,41.184696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.768574,41.184696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.768574,41.184696,-0.000000>,0.350000
<4.151258,42.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,42.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,42.108578,-0.000000>,0.350000
<4.151258,43.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,43.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,34.782074,-0.000000>,0.350000
<3.768574,35.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.768574,35.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.768574,35.489178,-0.000000>,0.350000
<4.475681,36.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.475681,36.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,36.196285,-0.000000>,0.350000
<4.475681,37.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.475681,37.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,37.196285,-0.000000>,0.350000
<4.858365,38.120167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,38.120167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,38.120167,-0.000000>,0.350000
<5.565471,38.827271,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,38.827271,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,36.196285,-0.000000>,0.350000
<5.399560,36.578968,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.399560,36.578968,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.399560,36.578968,-0.000000>,0.350000
<6.106668,37.286076,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.106668,37.286076,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.106668,37.286076,-0.000000>,0.350000
<6.489351,38.209957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.489351,38.209957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,36.196285,-0.000000>,0.350000
<4.858365,37.120167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,37.120167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,37.120167,-0.000000>,0.350000
<5.241048,38.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,38.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,38.044044,-0.000000>,0.350000
<4.858365,38.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,38.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,38.967926,-0.000000>,0.350000
<4.858365,39.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,39.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,39.967926,-0.000000>,0.350000
<5.241048,40.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,40.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,38.044044,-0.000000>,0.350000
<5.948154,38.751152,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.948154,38.751152,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.948154,38.751152,-0.000000>,0.350000
<6.330838,39.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.330838,39.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.330838,39.675030,-0.000000>,0.350000
<6.330838,40.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.330838,40.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,38.044044,-0.000000>,0.350000
<5.241048,39.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,39.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,39.044044,-0.000000>,0.350000
<5.241048,40.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,40.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,40.044044,-0.000000>,0.350000
<4.533941,40.751152,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.533941,40.751152,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.533941,40.751152,-0.000000>,0.350000
<4.151258,41.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,41.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,41.675030,-0.000000>,0.350000
<4.151258,42.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,42.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,40.044044,-0.000000>,0.350000
<5.623731,40.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.623731,40.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.623731,40.967926,-0.000000>,0.350000
<5.623731,41.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.623731,41.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.623731,41.967926,-0.000000>,0.350000
<5.241048,42.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,42.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,23.391037,-0.000000>,0.350000
<3.768574,24.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.768574,24.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.768574,24.098143,-0.000000>,0.350000
<4.475681,24.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.475681,24.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,24.805250,-0.000000>,0.350000
<4.475681,25.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.475681,25.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,25.805250,-0.000000>,0.350000
<4.858365,26.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,26.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,26.729130,-0.000000>,0.350000
<5.565471,27.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,27.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,24.805250,-0.000000>,0.350000
<5.399560,25.187933,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.399560,25.187933,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.399560,25.187933,-0.000000>,0.350000
<6.106668,25.895041,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.106668,25.895041,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.106668,25.895041,-0.000000>,0.350000
<6.489351,26.818920,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.489351,26.818920,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,24.805250,-0.000000>,0.350000
<5.182788,25.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.182788,25.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.182788,25.512356,-0.000000>,0.350000
<5.889894,26.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.889894,26.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.889894,26.219463,-0.000000>,0.350000
<5.889894,27.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.889894,27.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.889894,27.219463,-0.000000>,0.350000
<6.272578,28.143343,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.272578,28.143343,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,28.143343,-0.000000>,0.350000
<6.979685,28.850451,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.979685,28.850451,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.889894,26.219463,-0.000000>,0.350000
<6.813774,26.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.813774,26.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.813774,26.602146,-0.000000>,0.350000
<7.520881,27.309254,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.520881,27.309254,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.520881,27.309254,-0.000000>,0.350000
<7.903564,28.233133,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.903564,28.233133,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.889894,26.219463,-0.000000>,0.350000
<5.889894,27.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.889894,27.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.889894,27.219463,-0.000000>,0.350000
<5.889894,28.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.889894,28.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.889894,28.219463,-0.000000>,0.350000
<5.182788,28.926571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.182788,28.926571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.182788,28.926571,-0.000000>,0.350000
<4.800104,29.850451,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.800104,29.850451,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.800104,29.850451,-0.000000>,0.350000
<4.800104,30.850451,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.800104,30.850451,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.889894,28.219463,-0.000000>,0.350000
<6.272578,29.143343,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.272578,29.143343,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,29.143343,-0.000000>,0.350000
<6.272578,30.143343,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.272578,30.143343,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,30.143343,-0.000000>,0.350000
<5.889894,31.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.889894,31.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.889894,28.219463,-0.000000>,0.350000
<6.272578,29.143343,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.272578,29.143343,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,29.143343,-0.000000>,0.350000
<6.655262,30.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,30.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,30.067223,-0.000000>,0.350000
<6.272578,30.991102,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.272578,30.991102,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,30.991102,-0.000000>,0.350000
<6.272578,31.991102,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.272578,31.991102,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,31.991102,-0.000000>,0.350000
<6.655262,32.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,32.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,30.067223,-0.000000>,0.350000
<7.362368,30.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.362368,30.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.362368,30.774330,-0.000000>,0.350000
<7.745052,31.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.745052,31.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.745052,31.698208,-0.000000>,0.350000
<7.745052,32.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.745052,32.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,30.067223,-0.000000>,0.350000
<7.362368,30.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.362368,30.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.362368,30.774330,-0.000000>,0.350000
<8.069475,31.481436,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.069475,31.481436,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.069475,31.481436,-0.000000>,0.350000
<8.069475,32.481438,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.069475,32.481438,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.069475,32.481438,-0.000000>,0.350000
<8.452158,33.405315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.452158,33.405315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.452158,33.405315,-0.000000>,0.350000
<9.159266,34.112423,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.159266,34.112423,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.069475,31.481436,-0.000000>,0.350000
<8.993355,31.864119,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.993355,31.864119,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.993355,31.864119,-0.000000>,0.350000
<9.700461,32.571228,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.700461,32.571228,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.700461,32.571228,-0.000000>,0.350000
<10.083145,33.495106,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.083145,33.495106,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.889894,26.219463,-0.000000>,0.350000
<6.813774,26.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.813774,26.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.813774,26.602146,-0.000000>,0.350000
<7.737654,26.984831,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.737654,26.984831,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.737654,26.984831,-0.000000>,0.350000
<8.120337,27.908710,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.120337,27.908710,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.120337,27.908710,-0.000000>,0.350000
<8.827444,28.615816,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.827444,28.615816,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.827444,28.615816,-0.000000>,0.350000
<9.751324,28.998501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.751324,28.998501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.737654,26.984831,-0.000000>,0.350000
<8.737654,26.984831,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.737654,26.984831,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.737654,26.984831,-0.000000>,0.350000
<9.661533,27.367514,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.661533,27.367514,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.661533,27.367514,-0.000000>,0.350000
<10.368640,28.074621,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.368640,28.074621,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.737654,26.984831,-0.000000>,0.350000
<8.444760,27.691936,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.444760,27.691936,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.444760,27.691936,-0.000000>,0.350000
<9.151867,28.399044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.151867,28.399044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.151867,28.399044,-0.000000>,0.350000
<9.151867,29.399044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.151867,29.399044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.151867,29.399044,-0.000000>,0.350000
<9.534551,30.322924,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.534551,30.322924,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.534551,30.322924,-0.000000>,0.350000
<10.241657,31.030029,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.241657,31.030029,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.151867,28.399044,-0.000000>,0.350000
<10.075747,28.781727,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.075747,28.781727,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.075747,28.781727,-0.000000>,0.350000
<10.782853,29.488834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.782853,29.488834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.782853,29.488834,-0.000000>,0.350000
<11.165537,30.412714,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.165537,30.412714,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.151867,28.399044,-0.000000>,0.350000
<9.534551,29.322924,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.534551,29.322924,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.534551,29.322924,-0.000000>,0.350000
<9.917234,30.246803,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.917234,30.246803,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.917234,30.246803,-0.000000>,0.350000
<9.534551,31.170683,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.534551,31.170683,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.534551,31.170683,-0.000000>,0.350000
<9.534551,32.170681,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.534551,32.170681,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.534551,32.170681,-0.000000>,0.350000
<9.917234,33.094563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.917234,33.094563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.917234,30.246803,-0.000000>,0.350000
<10.624341,30.953909,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.624341,30.953909,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.624341,30.953909,-0.000000>,0.350000
<11.007025,31.877789,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.007025,31.877789,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.007025,31.877789,-0.000000>,0.350000
<11.007025,32.877789,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.007025,32.877789,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.889894,26.219463,-0.000000>,0.350000
<6.272578,27.143343,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.272578,27.143343,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,27.143343,-0.000000>,0.350000
<6.655262,28.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,28.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,28.067223,-0.000000>,0.350000
<6.272578,28.991102,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.272578,28.991102,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,28.991102,-0.000000>,0.350000
<6.272578,29.991102,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.272578,29.991102,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,29.991102,-0.000000>,0.350000
<6.655262,30.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,30.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,28.067223,-0.000000>,0.350000
<7.362368,28.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.362368,28.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.362368,28.774330,-0.000000>,0.350000
<7.745052,29.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.745052,29.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.745052,29.698208,-0.000000>,0.350000
<7.745052,30.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.745052,30.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,28.067223,-0.000000>,0.350000
<7.037945,28.991102,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.037945,28.991102,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.037945,28.991102,-0.000000>,0.350000
<7.420629,29.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.420629,29.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,29.914982,-0.000000>,0.350000
<7.037945,30.838861,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.037945,30.838861,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.037945,30.838861,-0.000000>,0.350000
<7.037945,31.838861,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.037945,31.838861,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.037945,31.838861,-0.000000>,0.350000
<7.420629,32.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.420629,32.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,29.914982,-0.000000>,0.350000
<8.127735,30.622087,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.127735,30.622087,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.127735,30.622087,-0.000000>,0.350000
<8.510419,31.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.510419,31.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.510419,31.545967,-0.000000>,0.350000
<8.510419,32.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.510419,32.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,29.914982,-0.000000>,0.350000
<7.037945,30.838861,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.037945,30.838861,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.037945,30.838861,-0.000000>,0.350000
<6.655262,31.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,31.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,31.762741,-0.000000>,0.350000
<5.731382,32.145424,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.731382,32.145424,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.731382,32.145424,-0.000000>,0.350000
<5.024275,32.852531,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.024275,32.852531,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.024275,32.852531,-0.000000>,0.350000
<4.641592,33.776409,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.641592,33.776409,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,31.762741,-0.000000>,0.350000
<6.655262,32.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,32.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,32.762741,-0.000000>,0.350000
<6.272578,33.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.272578,33.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,33.686619,-0.000000>,0.350000
<5.565471,34.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,34.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,31.762741,-0.000000>,0.350000
<6.655262,32.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,32.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,32.762741,-0.000000>,0.350000
<6.655262,33.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,33.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,33.762741,-0.000000>,0.350000
<5.948154,34.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.948154,34.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.948154,34.469849,-0.000000>,0.350000
<5.565471,35.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,35.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.565471,35.393726,-0.000000>,0.350000
<5.565471,36.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,36.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,33.762741,-0.000000>,0.350000
<7.037945,34.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.037945,34.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.037945,34.686619,-0.000000>,0.350000
<7.037945,35.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.037945,35.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.037945,35.686619,-0.000000>,0.350000
<6.655262,36.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,36.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,33.762741,-0.000000>,0.350000
<7.037945,34.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.037945,34.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.037945,34.686619,-0.000000>,0.350000
<7.420629,35.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.420629,35.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,35.610500,-0.000000>,0.350000
<7.037945,36.534378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.037945,36.534378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.037945,36.534378,-0.000000>,0.350000
<7.037945,37.534378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.037945,37.534378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.037945,37.534378,-0.000000>,0.350000
<7.420629,38.458260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.420629,38.458260,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,35.610500,-0.000000>,0.350000
<8.127735,36.317608,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.127735,36.317608,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.127735,36.317608,-0.000000>,0.350000
<8.510419,37.241486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.510419,37.241486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.510419,37.241486,-0.000000>,0.350000
<8.510419,38.241486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.510419,38.241486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,29.914982,-0.000000>,0.350000
<8.127735,30.622087,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.127735,30.622087,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.127735,30.622087,-0.000000>,0.350000
<8.834842,31.329195,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.834842,31.329195,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.834842,31.329195,-0.000000>,0.350000
<8.834842,32.329197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.834842,32.329197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.834842,32.329197,-0.000000>,0.350000
<9.217525,33.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.217525,33.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.217525,33.253075,-0.000000>,0.350000
<9.924632,33.960182,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.924632,33.960182,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.834842,31.329195,-0.000000>,0.350000
<9.758721,31.711878,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.758721,31.711878,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.758721,31.711878,-0.000000>,0.350000
<10.465828,32.418983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.465828,32.418983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.465828,32.418983,-0.000000>,0.350000
<10.848512,33.342865,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.848512,33.342865,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.834842,31.329195,-0.000000>,0.350000
<9.217525,32.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.217525,32.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.217525,32.253075,-0.000000>,0.350000
<9.600208,33.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.600208,33.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.600208,33.176952,-0.000000>,0.350000
<9.217525,34.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.217525,34.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.217525,34.100834,-0.000000>,0.350000
<9.217525,35.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.217525,35.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.217525,35.100834,-0.000000>,0.350000
<9.600208,36.024712,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.600208,36.024712,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.600208,33.176952,-0.000000>,0.350000
<10.307316,33.884060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.307316,33.884060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.307316,33.884060,-0.000000>,0.350000
<10.689999,34.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.689999,34.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.689999,34.807941,-0.000000>,0.350000
<10.689999,35.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.689999,35.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.600208,33.176952,-0.000000>,0.350000
<9.600208,34.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.600208,34.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.600208,34.176952,-0.000000>,0.350000
<9.600208,35.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.600208,35.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.600208,35.176952,-0.000000>,0.350000
<8.893102,35.884060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.893102,35.884060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.893102,35.884060,-0.000000>,0.350000
<8.510419,36.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.510419,36.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.510419,36.807941,-0.000000>,0.350000
<8.510419,37.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.510419,37.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.600208,35.176952,-0.000000>,0.350000
<9.982892,36.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.982892,36.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.982892,36.100834,-0.000000>,0.350000
<9.982892,37.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.982892,37.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.982892,37.100834,-0.000000>,0.350000
<9.600208,38.024712,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.600208,38.024712,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,29.914982,-0.000000>,0.350000
<7.420629,30.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.420629,30.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,30.914982,-0.000000>,0.350000
<7.420629,31.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.420629,31.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,31.914982,-0.000000>,0.350000
<6.713521,32.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.713521,32.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.713521,32.622089,-0.000000>,0.350000
<6.330838,33.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.330838,33.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.330838,33.545967,-0.000000>,0.350000
<6.330838,34.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.330838,34.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,31.914982,-0.000000>,0.350000
<7.803312,32.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.803312,32.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.803312,32.838860,-0.000000>,0.350000
<7.803312,33.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.803312,33.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.803312,33.838860,-0.000000>,0.350000
<7.420629,34.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.420629,34.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,31.914982,-0.000000>,0.350000
<7.420629,32.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.420629,32.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,32.914982,-0.000000>,0.350000
<7.420629,33.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.420629,33.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,33.914982,-0.000000>,0.350000
<6.713521,34.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.713521,34.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.713521,34.622089,-0.000000>,0.350000
<6.330838,35.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.330838,35.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.330838,35.545967,-0.000000>,0.350000
<6.330838,36.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.330838,36.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,33.914982,-0.000000>,0.350000
<7.803312,34.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.803312,34.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.803312,34.838860,-0.000000>,0.350000
<7.803312,35.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.803312,35.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.803312,35.838860,-0.000000>,0.350000
<7.420629,36.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.420629,36.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,33.914982,-0.000000>,0.350000
<6.713521,34.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.713521,34.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.713521,34.622089,-0.000000>,0.350000
<6.006415,35.329197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.006415,35.329197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.006415,35.329197,-0.000000>,0.350000
<5.006415,35.329197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.006415,35.329197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.006415,35.329197,-0.000000>,0.350000
<4.082535,35.711880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.082535,35.711880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.082535,35.711880,-0.000000>,0.350000
<3.375428,36.418983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.375428,36.418983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.006415,35.329197,-0.000000>,0.350000
<5.623731,36.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.623731,36.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.623731,36.253075,-0.000000>,0.350000
<4.916625,36.960182,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.916625,36.960182,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.916625,36.960182,-0.000000>,0.350000
<3.992745,37.342865,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.992745,37.342865,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.006415,35.329197,-0.000000>,0.350000
<5.623731,36.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.623731,36.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.623731,36.253075,-0.000000>,0.350000
<5.241048,37.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,37.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,37.176952,-0.000000>,0.350000
<4.317168,37.559639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.317168,37.559639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.317168,37.559639,-0.000000>,0.350000
<3.610062,38.266743,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.610062,38.266743,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.610062,38.266743,-0.000000>,0.350000
<3.227378,39.190624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.227378,39.190624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,37.176952,-0.000000>,0.350000
<5.241048,38.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,38.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,38.176952,-0.000000>,0.350000
<4.858365,39.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,39.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,39.100834,-0.000000>,0.350000
<4.151258,39.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,39.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,37.176952,-0.000000>,0.350000
<5.241048,38.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,38.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,38.176952,-0.000000>,0.350000
<5.241048,39.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,39.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,39.176952,-0.000000>,0.350000
<4.533941,39.884060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.533941,39.884060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.533941,39.884060,-0.000000>,0.350000
<4.151258,40.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,40.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,40.807941,-0.000000>,0.350000
<4.151258,41.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,41.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,39.176952,-0.000000>,0.350000
<5.623731,40.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.623731,40.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.623731,40.100834,-0.000000>,0.350000
<5.623731,41.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.623731,41.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.623731,41.100834,-0.000000>,0.350000
<5.241048,42.024712,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,42.024712,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,33.914982,-0.000000>,0.350000
<7.803312,34.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.803312,34.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.803312,34.838860,-0.000000>,0.350000
<8.185995,35.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.185995,35.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.185995,35.762741,-0.000000>,0.350000
<7.803312,36.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.803312,36.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.803312,36.686619,-0.000000>,0.350000
<7.803312,37.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.803312,37.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.803312,37.686619,-0.000000>,0.350000
<8.185995,38.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.185995,38.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.185995,35.762741,-0.000000>,0.350000
<8.893102,36.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.893102,36.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.893102,36.469849,-0.000000>,0.350000
<9.275785,37.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.275785,37.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.275785,37.393726,-0.000000>,0.350000
<9.275785,38.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.275785,38.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.185995,35.762741,-0.000000>,0.350000
<8.185995,36.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.185995,36.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.185995,36.762741,-0.000000>,0.350000
<8.185995,37.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.185995,37.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.185995,37.762741,-0.000000>,0.350000
<7.478889,38.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.478889,38.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.478889,38.469849,-0.000000>,0.350000
<7.096205,39.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.096205,39.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.096205,39.393726,-0.000000>,0.350000
<7.096205,40.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.096205,40.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.185995,37.762741,-0.000000>,0.350000
<8.568679,38.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.568679,38.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.568679,38.686619,-0.000000>,0.350000
<8.568679,39.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.568679,39.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.568679,39.686619,-0.000000>,0.350000
<8.185995,40.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.185995,40.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.185995,37.762741,-0.000000>,0.350000
<7.803312,38.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.803312,38.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.803312,38.686619,-0.000000>,0.350000
<7.420629,39.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.420629,39.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,39.610500,-0.000000>,0.350000
<6.496749,39.993183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.496749,39.993183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.496749,39.993183,-0.000000>,0.350000
<5.789642,40.700291,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.789642,40.700291,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.789642,40.700291,-0.000000>,0.350000
<5.406959,41.624168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.406959,41.624168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,39.610500,-0.000000>,0.350000
<7.420629,40.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.420629,40.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,40.610500,-0.000000>,0.350000
<7.037945,41.534378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.037945,41.534378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.037945,41.534378,-0.000000>,0.350000
<6.330838,42.241486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.330838,42.241486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,23.391037,-0.000000>,0.350000
<3.061467,24.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,24.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,24.391037,-0.000000>,0.350000
<3.061467,25.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,25.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,25.391037,-0.000000>,0.350000
<2.354361,26.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.354361,26.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.354361,26.098143,-0.000000>,0.350000
<1.971677,27.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.971677,27.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.971677,27.022022,-0.000000>,0.350000
<1.971677,28.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.971677,28.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,25.391037,-0.000000>,0.350000
<3.444151,26.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,26.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,26.314917,-0.000000>,0.350000
<3.444151,27.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,27.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,27.314917,-0.000000>,0.350000
<3.061467,28.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,28.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,25.391037,-0.000000>,0.350000
<3.061467,26.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,26.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,26.391037,-0.000000>,0.350000
<3.061467,27.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,27.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,27.391037,-0.000000>,0.350000
<2.354361,28.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.354361,28.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.354361,28.098143,-0.000000>,0.350000
<1.971677,29.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.971677,29.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.971677,29.022022,-0.000000>,0.350000
<1.971677,30.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.971677,30.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,27.391037,-0.000000>,0.350000
<3.444151,28.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,28.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,28.314917,-0.000000>,0.350000
<3.444151,29.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,29.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,29.314917,-0.000000>,0.350000
<3.061467,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,27.391037,-0.000000>,0.350000
<2.354361,28.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.354361,28.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.354361,28.098143,-0.000000>,0.350000
<1.647254,28.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.647254,28.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.647254,28.805250,-0.000000>,0.350000
<0.647254,28.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.647254,28.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.647254,28.805250,-0.000000>,0.350000
<-0.276626,29.187933,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.276626,29.187933,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.276626,29.187933,-0.000000>,0.350000
<-0.983732,29.895041,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.983732,29.895041,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.647254,28.805250,-0.000000>,0.350000
<1.264570,29.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.264570,29.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.264570,29.729130,-0.000000>,0.350000
<0.557464,30.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.557464,30.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.557464,30.436235,-0.000000>,0.350000
<-0.366416,30.818920,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.366416,30.818920,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.647254,28.805250,-0.000000>,0.350000
<1.264570,29.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.264570,29.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.264570,29.729130,-0.000000>,0.350000
<0.881887,30.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.881887,30.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,30.653009,-0.000000>,0.350000
<-0.041993,31.035692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.041993,31.035692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.041993,31.035692,-0.000000>,0.350000
<-0.749099,31.742800,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.749099,31.742800,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.749099,31.742800,-0.000000>,0.350000
<-1.131783,32.666679,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.131783,32.666679,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,30.653009,-0.000000>,0.350000
<0.881887,31.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.881887,31.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,31.653009,-0.000000>,0.350000
<0.499204,32.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.499204,32.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.499204,32.576889,-0.000000>,0.350000
<-0.207903,33.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.207903,33.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,30.653009,-0.000000>,0.350000
<0.881887,31.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.881887,31.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,31.653009,-0.000000>,0.350000
<0.881887,32.653008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.881887,32.653008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,32.653008,-0.000000>,0.350000
<0.174780,33.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.174780,33.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.174780,33.360115,-0.000000>,0.350000
<-0.207903,34.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.207903,34.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.207903,34.283997,-0.000000>,0.350000
<-0.207903,35.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.207903,35.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,32.653008,-0.000000>,0.350000
<1.264570,33.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.264570,33.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.264570,33.576889,-0.000000>,0.350000
<1.264570,34.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.264570,34.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.264570,34.576889,-0.000000>,0.350000
<0.881887,35.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.881887,35.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,27.391037,-0.000000>,0.350000
<3.444151,28.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,28.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,28.314917,-0.000000>,0.350000
<3.826834,29.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,29.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,29.238796,-0.000000>,0.350000
<3.444151,30.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,30.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,30.162674,-0.000000>,0.350000
<3.444151,31.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,31.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,31.162674,-0.000000>,0.350000
<3.826834,32.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,32.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,29.238796,-0.000000>,0.350000
<4.533941,29.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.533941,29.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.533941,29.945902,-0.000000>,0.350000
<4.916625,30.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.916625,30.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.916625,30.869781,-0.000000>,0.350000
<4.916625,31.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.916625,31.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,29.238796,-0.000000>,0.350000
<3.826834,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,30.238796,-0.000000>,0.350000
<3.826834,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,31.238796,-0.000000>,0.350000
<3.119728,31.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.119728,31.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.119728,31.945902,-0.000000>,0.350000
<2.737044,32.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.737044,32.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.737044,32.869781,-0.000000>,0.350000
<2.737044,33.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.737044,33.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,31.238796,-0.000000>,0.350000
<4.209518,32.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,32.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,32.162674,-0.000000>,0.350000
<4.209518,33.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,33.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,33.162674,-0.000000>,0.350000
<3.826834,34.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,34.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,31.238796,-0.000000>,0.350000
<3.444151,32.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,32.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,32.162674,-0.000000>,0.350000
<3.061467,33.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,33.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,33.086555,-0.000000>,0.350000
<2.137588,33.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.137588,33.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.137588,33.469238,-0.000000>,0.350000
<1.430481,34.176346,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.430481,34.176346,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.430481,34.176346,-0.000000>,0.350000
<1.047798,35.100224,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.047798,35.100224,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,33.086555,-0.000000>,0.350000
<3.061467,34.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,34.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,34.086555,-0.000000>,0.350000
<2.678784,35.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,35.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,35.010433,-0.000000>,0.350000
<1.971677,35.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.971677,35.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,27.391037,-0.000000>,0.350000
<3.061467,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,28.391037,-0.000000>,0.350000
<3.061467,29.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,29.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,29.391037,-0.000000>,0.350000
<2.354361,30.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.354361,30.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.354361,30.098143,-0.000000>,0.350000
<1.971677,31.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.971677,31.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.971677,31.022022,-0.000000>,0.350000
<1.971677,32.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.971677,32.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,29.391037,-0.000000>,0.350000
<3.444151,30.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,30.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,30.314917,-0.000000>,0.350000
<3.444151,31.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,31.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,31.314917,-0.000000>,0.350000
<3.061467,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,29.391037,-0.000000>,0.350000
<3.061467,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,30.391037,-0.000000>,0.350000
<3.061467,31.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,31.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,31.391037,-0.000000>,0.350000
<2.354361,32.098145,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.354361,32.098145,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.354361,32.098145,-0.000000>,0.350000
<1.971677,33.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.971677,33.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.971677,33.022022,-0.000000>,0.350000
<1.971677,34.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.971677,34.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,31.391037,-0.000000>,0.350000
<3.444151,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,32.314915,-0.000000>,0.350000
<3.444151,33.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,33.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,33.314915,-0.000000>,0.350000
<3.061467,34.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,34.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,31.391037,-0.000000>,0.350000
<2.354361,32.098145,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.354361,32.098145,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.354361,32.098145,-0.000000>,0.350000
<1.647254,32.805248,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.647254,32.805248,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.647254,32.805248,-0.000000>,0.350000
<0.647254,32.805248,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.647254,32.805248,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.647254,32.805248,-0.000000>,0.350000
<-0.276626,33.187935,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.276626,33.187935,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.276626,33.187935,-0.000000>,0.350000
<-0.983732,33.895039,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.983732,33.895039,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.647254,32.805248,-0.000000>,0.350000
<1.264570,33.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.264570,33.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.264570,33.729130,-0.000000>,0.350000
<0.557464,34.436237,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.557464,34.436237,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.557464,34.436237,-0.000000>,0.350000
<-0.366416,34.818920,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.366416,34.818920,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.647254,32.805248,-0.000000>,0.350000
<1.264570,33.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.264570,33.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.264570,33.729130,-0.000000>,0.350000
<0.881887,34.653008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.881887,34.653008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,34.653008,-0.000000>,0.350000
<-0.041993,35.035694,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.041993,35.035694,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.041993,35.035694,-0.000000>,0.350000
<-0.749099,35.742798,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.749099,35.742798,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.749099,35.742798,-0.000000>,0.350000
<-1.131783,36.666679,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.131783,36.666679,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,34.653008,-0.000000>,0.350000
<0.881887,35.653008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.881887,35.653008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,35.653008,-0.000000>,0.350000
<0.499204,36.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.499204,36.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.499204,36.576889,-0.000000>,0.350000
<-0.207903,37.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.207903,37.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,34.653008,-0.000000>,0.350000
<0.881887,35.653008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.881887,35.653008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,35.653008,-0.000000>,0.350000
<0.881887,36.653008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.881887,36.653008,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,36.653008,-0.000000>,0.350000
<0.174780,37.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.174780,37.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.174780,37.360115,-0.000000>,0.350000
<-0.207903,38.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.207903,38.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.207903,38.283997,-0.000000>,0.350000
<-0.207903,39.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.207903,39.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,36.653008,-0.000000>,0.350000
<1.264570,37.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.264570,37.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.264570,37.576889,-0.000000>,0.350000
<1.264570,38.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.264570,38.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.264570,38.576889,-0.000000>,0.350000
<0.881887,39.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.881887,39.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,31.391037,-0.000000>,0.350000
<3.444151,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,32.314915,-0.000000>,0.350000
<3.826834,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,33.238796,-0.000000>,0.350000
<3.444151,34.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,34.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,34.162674,-0.000000>,0.350000
<3.444151,35.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,35.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,35.162674,-0.000000>,0.350000
<3.826834,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,33.238796,-0.000000>,0.350000
<4.533941,33.945904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.533941,33.945904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.533941,33.945904,-0.000000>,0.350000
<4.916625,34.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.916625,34.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.916625,34.869781,-0.000000>,0.350000
<4.916625,35.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.916625,35.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,33.238796,-0.000000>,0.350000
<3.826834,34.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,34.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,34.238796,-0.000000>,0.350000
<3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,35.238796,-0.000000>,0.350000
<3.119728,35.945904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.119728,35.945904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.119728,35.945904,-0.000000>,0.350000
<2.737044,36.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.737044,36.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.737044,36.869781,-0.000000>,0.350000
<2.737044,37.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.737044,37.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,35.238796,-0.000000>,0.350000
<4.209518,36.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,36.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,36.162674,-0.000000>,0.350000
<4.209518,37.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,37.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,37.162674,-0.000000>,0.350000
<3.826834,38.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,38.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,35.238796,-0.000000>,0.350000
<3.444151,36.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,36.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,36.162674,-0.000000>,0.350000
<3.061467,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,37.086555,-0.000000>,0.350000
<2.137588,37.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.137588,37.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.137588,37.469238,-0.000000>,0.350000
<1.430481,38.176346,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.430481,38.176346,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.430481,38.176346,-0.000000>,0.350000
<1.047798,39.100224,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.047798,39.100224,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,37.086555,-0.000000>,0.350000
<3.061467,38.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,38.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,38.086555,-0.000000>,0.350000
<2.678784,39.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,39.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,39.010433,-0.000000>,0.350000
<1.971677,39.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.971677,39.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,31.391037,-0.000000>,0.350000
<2.354361,32.098145,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.354361,32.098145,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.354361,32.098145,-0.000000>,0.350000
<1.647254,32.805248,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.647254,32.805248,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.647254,32.805248,-0.000000>,0.350000
<0.647254,32.805248,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.647254,32.805248,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.647254,32.805248,-0.000000>,0.350000
<-0.276626,33.187935,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.276626,33.187935,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.276626,33.187935,-0.000000>,0.350000
<-0.983732,33.895039,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.983732,33.895039,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.647254,32.805248,-0.000000>,0.350000
<1.264570,33.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.264570,33.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.264570,33.729130,-0.000000>,0.350000
<0.557464,34.436237,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.557464,34.436237,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.557464,34.436237,-0.000000>,0.350000
<-0.366416,34.818920,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.366416,34.818920,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.647254,32.805248,-0.000000>,0.350000
<0.940147,33.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.940147,33.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.940147,33.512356,-0.000000>,0.350000
<0.233040,34.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.233040,34.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.233040,34.219463,-0.000000>,0.350000
<-0.766960,34.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.766960,34.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.766960,34.219463,-0.000000>,0.350000
<-1.690839,34.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.690839,34.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.690839,34.602146,-0.000000>,0.350000
<-2.397946,35.309254,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.397946,35.309254,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.233040,34.219463,-0.000000>,0.350000
<-0.149643,35.143341,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.149643,35.143341,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.149643,35.143341,-0.000000>,0.350000
<-0.856750,35.850449,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.856750,35.850449,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.856750,35.850449,-0.000000>,0.350000
<-1.780629,36.233131,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.780629,36.233131,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.233040,34.219463,-0.000000>,0.350000
<-0.766960,34.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.766960,34.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.766960,34.219463,-0.000000>,0.350000
<-1.766960,34.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.766960,34.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.766960,34.219463,-0.000000>,0.350000
<-2.474066,33.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.474066,33.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.474066,33.512356,-0.000000>,0.350000
<-3.397946,33.129673,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.397946,33.129673,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.397946,33.129673,-0.000000>,0.350000
<-4.397946,33.129673,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.397946,33.129673,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.766960,34.219463,-0.000000>,0.350000
<-2.690839,34.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.690839,34.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.690839,34.602146,-0.000000>,0.350000
<-3.690839,34.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.690839,34.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.690839,34.602146,-0.000000>,0.350000
<-4.614719,34.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.614719,34.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.766960,34.219463,-0.000000>,0.350000
<-2.690839,34.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.690839,34.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.690839,34.602146,-0.000000>,0.350000
<-3.614719,34.984829,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.614719,34.984829,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.614719,34.984829,-0.000000>,0.350000
<-4.538598,34.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.538598,34.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.538598,34.602146,-0.000000>,0.350000
<-5.538598,34.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.538598,34.602146,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.538598,34.602146,-0.000000>,0.350000
<-6.462478,34.984829,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.462478,34.984829,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.614719,34.984829,-0.000000>,0.350000
<-4.321826,35.691936,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.321826,35.691936,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.321826,35.691936,-0.000000>,0.350000
<-5.245705,36.074619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.245705,36.074619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.245705,36.074619,-0.000000>,0.350000
<-6.245705,36.074619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.245705,36.074619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.614719,34.984829,-0.000000>,0.350000
<-4.321826,35.691936,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.321826,35.691936,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.321826,35.691936,-0.000000>,0.350000
<-5.028932,36.399044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.028932,36.399044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.028932,36.399044,-0.000000>,0.350000
<-6.028932,36.399044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.028932,36.399044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.028932,36.399044,-0.000000>,0.350000
<-6.952812,36.781727,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.952812,36.781727,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.952812,36.781727,-0.000000>,0.350000
<-7.659919,37.488834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.659919,37.488834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.028932,36.399044,-0.000000>,0.350000
<-5.411616,37.322922,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.411616,37.322922,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.411616,37.322922,-0.000000>,0.350000
<-6.118722,38.030029,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.118722,38.030029,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.118722,38.030029,-0.000000>,0.350000
<-7.042602,38.412712,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.042602,38.412712,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.233040,34.219463,-0.000000>,0.350000
<-0.149643,35.143341,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.149643,35.143341,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.149643,35.143341,-0.000000>,0.350000
<-0.532327,36.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.532327,36.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.532327,36.067223,-0.000000>,0.350000
<-1.456206,36.449905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.456206,36.449905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.456206,36.449905,-0.000000>,0.350000
<-2.163313,37.157013,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.163313,37.157013,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.163313,37.157013,-0.000000>,0.350000
<-2.545996,38.080891,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.545996,38.080891,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.532327,36.067223,-0.000000>,0.350000
<-0.532327,37.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.532327,37.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.532327,37.067223,-0.000000>,0.350000
<-0.915010,37.991100,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.915010,37.991100,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.915010,37.991100,-0.000000>,0.350000
<-1.622117,38.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.622117,38.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.532327,36.067223,-0.000000>,0.350000
<-1.239433,36.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.239433,36.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.239433,36.774330,-0.000000>,0.350000
<-1.946540,37.481438,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.946540,37.481438,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.946540,37.481438,-0.000000>,0.350000
<-2.946540,37.481438,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.946540,37.481438,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.946540,37.481438,-0.000000>,0.350000
<-3.870420,37.864120,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.870420,37.864120,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.870420,37.864120,-0.000000>,0.350000
<-4.577527,38.571228,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.577527,38.571228,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.946540,37.481438,-0.000000>,0.350000
<-2.329224,38.405315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.329224,38.405315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.329224,38.405315,-0.000000>,0.350000
<-3.036330,39.112423,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.036330,39.112423,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.036330,39.112423,-0.000000>,0.350000
<-3.960210,39.495106,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.960210,39.495106,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.946540,37.481438,-0.000000>,0.350000
<-2.870420,37.864120,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.870420,37.864120,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.870420,37.864120,-0.000000>,0.350000
<-3.794299,38.246803,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.794299,38.246803,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.794299,38.246803,-0.000000>,0.350000
<-4.718179,37.864120,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.718179,37.864120,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.718179,37.864120,-0.000000>,0.350000
<-5.718179,37.864120,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.718179,37.864120,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.718179,37.864120,-0.000000>,0.350000
<-6.642058,38.246803,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.642058,38.246803,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.794299,38.246803,-0.000000>,0.350000
<-4.501406,38.953911,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.501406,38.953911,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.501406,38.953911,-0.000000>,0.350000
<-5.425285,39.336594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.425285,39.336594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.425285,39.336594,-0.000000>,0.350000
<-6.425285,39.336594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.425285,39.336594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.233040,34.219463,-0.000000>,0.350000
<-0.149643,35.143341,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.149643,35.143341,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.149643,35.143341,-0.000000>,0.350000
<-0.532327,36.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.532327,36.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.532327,36.067223,-0.000000>,0.350000
<-1.456206,36.449905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.456206,36.449905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.456206,36.449905,-0.000000>,0.350000
<-2.163313,37.157013,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.163313,37.157013,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.163313,37.157013,-0.000000>,0.350000
<-2.545996,38.080891,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.545996,38.080891,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.532327,36.067223,-0.000000>,0.350000
<-0.532327,37.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.532327,37.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.532327,37.067223,-0.000000>,0.350000
<-0.915010,37.991100,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.915010,37.991100,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.915010,37.991100,-0.000000>,0.350000
<-1.622117,38.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.622117,38.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.532327,36.067223,-0.000000>,0.350000
<-0.915010,36.991100,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.915010,36.991100,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.915010,36.991100,-0.000000>,0.350000
<-1.297693,37.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.297693,37.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,37.914982,-0.000000>,0.350000
<-2.221573,38.297665,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.221573,38.297665,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.221573,38.297665,-0.000000>,0.350000
<-2.928680,39.004772,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.928680,39.004772,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.928680,39.004772,-0.000000>,0.350000
<-3.311363,39.928650,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.311363,39.928650,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,37.914982,-0.000000>,0.350000
<-1.297693,38.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.297693,38.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,38.914982,-0.000000>,0.350000
<-1.680377,39.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.680377,39.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.680377,39.838860,-0.000000>,0.350000
<-2.387484,40.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.387484,40.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,37.914982,-0.000000>,0.350000
<-2.221573,38.297665,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.221573,38.297665,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.221573,38.297665,-0.000000>,0.350000
<-3.145452,38.680347,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.145452,38.680347,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.145452,38.680347,-0.000000>,0.350000
<-4.069332,38.297665,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.069332,38.297665,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.069332,38.297665,-0.000000>,0.350000
<-5.069332,38.297665,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.069332,38.297665,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.069332,38.297665,-0.000000>,0.350000
<-5.993212,38.680347,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.993212,38.680347,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.145452,38.680347,-0.000000>,0.350000
<-3.852559,39.387455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.852559,39.387455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.852559,39.387455,-0.000000>,0.350000
<-4.776439,39.770138,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.776439,39.770138,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.776439,39.770138,-0.000000>,0.350000
<-5.776439,39.770138,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.776439,39.770138,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.145452,38.680347,-0.000000>,0.350000
<-3.852559,39.387455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.852559,39.387455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.852559,39.387455,-0.000000>,0.350000
<-4.559666,40.094563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.559666,40.094563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.559666,40.094563,-0.000000>,0.350000
<-5.559666,40.094563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.559666,40.094563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.559666,40.094563,-0.000000>,0.350000
<-6.483546,40.477245,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.483546,40.477245,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.483546,40.477245,-0.000000>,0.350000
<-7.190652,41.184353,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.190652,41.184353,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.559666,40.094563,-0.000000>,0.350000
<-4.942349,41.018440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.942349,41.018440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.942349,41.018440,-0.000000>,0.350000
<-5.649456,41.725548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.649456,41.725548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.649456,41.725548,-0.000000>,0.350000
<-6.573336,42.108231,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.573336,42.108231,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.559666,40.094563,-0.000000>,0.350000
<-4.942349,41.018440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.942349,41.018440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.942349,41.018440,-0.000000>,0.350000
<-5.325033,41.942322,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.325033,41.942322,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.325033,41.942322,-0.000000>,0.350000
<-6.248912,42.325005,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.248912,42.325005,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.248912,42.325005,-0.000000>,0.350000
<-6.956019,43.032112,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.956019,43.032112,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.956019,43.032112,-0.000000>,0.350000
<-7.338703,43.955990,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.338703,43.955990,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.325033,41.942322,-0.000000>,0.350000
<-5.325033,42.942322,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.325033,42.942322,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.325033,42.942322,-0.000000>,0.350000
<-5.707716,43.866199,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.707716,43.866199,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.707716,43.866199,-0.000000>,0.350000
<-6.414823,44.573307,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.414823,44.573307,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,37.914982,-0.000000>,0.350000
<-1.297693,38.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.297693,38.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,38.914982,-0.000000>,0.350000
<-1.297693,39.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.297693,39.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,39.914982,-0.000000>,0.350000
<-2.004800,40.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.004800,40.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.004800,40.622089,-0.000000>,0.350000
<-2.387484,41.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.387484,41.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.387484,41.545967,-0.000000>,0.350000
<-2.387484,42.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.387484,42.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,39.914982,-0.000000>,0.350000
<-0.915010,40.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.915010,40.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.915010,40.838860,-0.000000>,0.350000
<-0.915010,41.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.915010,41.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.915010,41.838860,-0.000000>,0.350000
<-1.297693,42.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.297693,42.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,39.914982,-0.000000>,0.350000
<-1.680377,40.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.680377,40.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.680377,40.838860,-0.000000>,0.350000
<-2.063060,41.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.063060,41.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.063060,41.762741,-0.000000>,0.350000
<-2.986940,42.145424,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.986940,42.145424,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.986940,42.145424,-0.000000>,0.350000
<-3.694046,42.852531,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.694046,42.852531,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.694046,42.852531,-0.000000>,0.350000
<-4.076730,43.776409,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.076730,43.776409,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.063060,41.762741,-0.000000>,0.350000
<-2.063060,42.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.063060,42.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.063060,42.762741,-0.000000>,0.350000
<-2.445744,43.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.445744,43.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.445744,43.686619,-0.000000>,0.350000
<-3.152850,44.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.152850,44.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.063060,41.762741,-0.000000>,0.350000
<-2.770167,42.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.770167,42.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.770167,42.469849,-0.000000>,0.350000
<-3.477274,43.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.477274,43.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.477274,43.176952,-0.000000>,0.350000
<-4.477274,43.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.477274,43.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.477274,43.176952,-0.000000>,0.350000
<-5.401154,43.559639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.401154,43.559639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.401154,43.559639,-0.000000>,0.350000
<-6.108260,44.266743,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.108260,44.266743,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.477274,43.176952,-0.000000>,0.350000
<-3.859957,44.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.859957,44.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.859957,44.100834,-0.000000>,0.350000
<-4.567064,44.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.567064,44.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.567064,44.807941,-0.000000>,0.350000
<-5.490943,45.190624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.490943,45.190624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,37.914982,-0.000000>,0.350000
<-1.297693,38.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.297693,38.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,38.914982,-0.000000>,0.350000
<-1.297693,39.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.297693,39.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,39.914982,-0.000000>,0.350000
<-2.004800,40.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.004800,40.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.004800,40.622089,-0.000000>,0.350000
<-2.387484,41.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.387484,41.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.387484,41.545967,-0.000000>,0.350000
<-2.387484,42.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.387484,42.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,39.914982,-0.000000>,0.350000
<-0.915010,40.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.915010,40.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.915010,40.838860,-0.000000>,0.350000
<-0.915010,41.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.915010,41.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.915010,41.838860,-0.000000>,0.350000
<-1.297693,42.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.297693,42.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,39.914982,-0.000000>,0.350000
<-1.297693,40.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.297693,40.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,40.914982,-0.000000>,0.350000
<-1.297693,41.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.297693,41.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,41.914982,-0.000000>,0.350000
<-2.004800,42.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.004800,42.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.004800,42.622089,-0.000000>,0.350000
<-2.387484,43.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.387484,43.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.387484,43.545967,-0.000000>,0.350000
<-2.387484,44.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.387484,44.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,41.914982,-0.000000>,0.350000
<-0.915010,42.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.915010,42.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.915010,42.838860,-0.000000>,0.350000
<-0.915010,43.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.915010,43.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.915010,43.838860,-0.000000>,0.350000
<-1.297693,44.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.297693,44.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,41.914982,-0.000000>,0.350000
<-2.004800,42.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.004800,42.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.004800,42.622089,-0.000000>,0.350000
<-2.711907,43.329197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.711907,43.329197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.711907,43.329197,-0.000000>,0.350000
<-3.711907,43.329197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.711907,43.329197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.711907,43.329197,-0.000000>,0.350000
<-4.635787,43.711880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.635787,43.711880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.635787,43.711880,-0.000000>,0.350000
<-5.342893,44.418983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.342893,44.418983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.711907,43.329197,-0.000000>,0.350000
<-3.094590,44.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.094590,44.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.094590,44.253075,-0.000000>,0.350000
<-3.801697,44.960182,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.801697,44.960182,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.801697,44.960182,-0.000000>,0.350000
<-4.725577,45.342865,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.725577,45.342865,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.711907,43.329197,-0.000000>,0.350000
<-3.094590,44.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.094590,44.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.094590,44.253075,-0.000000>,0.350000
<-3.477274,45.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.477274,45.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.477274,45.176952,-0.000000>,0.350000
<-4.401154,45.559639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.401154,45.559639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.401154,45.559639,-0.000000>,0.350000
<-5.108260,46.266743,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.108260,46.266743,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.108260,46.266743,-0.000000>,0.350000
<-5.490943,47.190624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.490943,47.190624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.477274,45.176952,-0.000000>,0.350000
<-3.477274,46.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.477274,46.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.477274,46.176952,-0.000000>,0.350000
<-3.859957,47.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.859957,47.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.859957,47.100834,-0.000000>,0.350000
<-4.567064,47.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.567064,47.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.477274,45.176952,-0.000000>,0.350000
<-3.477274,46.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.477274,46.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.477274,46.176952,-0.000000>,0.350000
<-3.477274,47.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.477274,47.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.477274,47.176952,-0.000000>,0.350000
<-4.184381,47.884060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.184381,47.884060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.184381,47.884060,-0.000000>,0.350000
<-4.567064,48.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.567064,48.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.567064,48.807941,-0.000000>,0.350000
<-4.567064,49.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.567064,49.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.477274,47.176952,-0.000000>,0.350000
<-3.094590,48.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.094590,48.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.094590,48.100834,-0.000000>,0.350000
<-3.094590,49.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.094590,49.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.094590,49.100834,-0.000000>,0.350000
<-3.477274,50.024712,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.477274,50.024712,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,41.914982,-0.000000>,0.350000
<-0.915010,42.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.915010,42.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.915010,42.838860,-0.000000>,0.350000
<-0.532327,43.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.532327,43.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.532327,43.762741,-0.000000>,0.350000
<-0.915010,44.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.915010,44.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.915010,44.686619,-0.000000>,0.350000
<-0.915010,45.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.915010,45.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.915010,45.686619,-0.000000>,0.350000
<-0.532327,46.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.532327,46.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.532327,43.762741,-0.000000>,0.350000
<0.174780,44.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.174780,44.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.174780,44.469849,-0.000000>,0.350000
<0.557464,45.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.557464,45.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.557464,45.393726,-0.000000>,0.350000
<0.557464,46.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.557464,46.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.532327,43.762741,-0.000000>,0.350000
<-0.532327,44.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.532327,44.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.532327,44.762741,-0.000000>,0.350000
<-0.532327,45.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.532327,45.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.532327,45.762741,-0.000000>,0.350000
<-1.239433,46.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.239433,46.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.239433,46.469849,-0.000000>,0.350000
<-1.622117,47.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.622117,47.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.622117,47.393726,-0.000000>,0.350000
<-1.622117,48.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.622117,48.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.532327,45.762741,-0.000000>,0.350000
<-0.149643,46.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.149643,46.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.149643,46.686619,-0.000000>,0.350000
<-0.149643,47.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.149643,47.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.149643,47.686619,-0.000000>,0.350000
<-0.532327,48.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.532327,48.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.532327,45.762741,-0.000000>,0.350000
<-0.915010,46.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.915010,46.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.915010,46.686619,-0.000000>,0.350000
<-1.297693,47.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.297693,47.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,47.610500,-0.000000>,0.350000
<-2.221573,47.993183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.221573,47.993183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.221573,47.993183,-0.000000>,0.350000
<-2.928680,48.700291,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.928680,48.700291,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.928680,48.700291,-0.000000>,0.350000
<-3.311363,49.624168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.311363,49.624168,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,47.610500,-0.000000>,0.350000
<-1.297693,48.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.297693,48.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.297693,48.610500,-0.000000>,0.350000
<-1.680377,49.534378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.680377,49.534378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.680377,49.534378,-0.000000>,0.350000
<-2.387484,50.241486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.387484,50.241486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,31.391037,-0.000000>,0.350000
<3.444151,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,32.314915,-0.000000>,0.350000
<3.826834,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,33.238796,-0.000000>,0.350000
<3.444151,34.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,34.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,34.162674,-0.000000>,0.350000
<3.444151,35.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,35.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,35.162674,-0.000000>,0.350000
<3.826834,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,33.238796,-0.000000>,0.350000
<4.533941,33.945904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.533941,33.945904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.533941,33.945904,-0.000000>,0.350000
<4.916625,34.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.916625,34.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.916625,34.869781,-0.000000>,0.350000
<4.916625,35.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.916625,35.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,33.238796,-0.000000>,0.350000
<4.209518,34.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,34.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,34.162674,-0.000000>,0.350000
<4.592201,35.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,35.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,35.086555,-0.000000>,0.350000
<4.209518,36.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,36.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,36.010433,-0.000000>,0.350000
<4.209518,37.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,37.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,37.010433,-0.000000>,0.350000
<4.592201,37.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,37.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,35.086555,-0.000000>,0.350000
<5.299308,35.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.299308,35.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.299308,35.793663,-0.000000>,0.350000
<5.681992,36.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.681992,36.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.681992,36.717541,-0.000000>,0.350000
<5.681992,37.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.681992,37.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,35.086555,-0.000000>,0.350000
<4.209518,36.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,36.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,36.010433,-0.000000>,0.350000
<3.826834,36.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,36.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,36.934315,-0.000000>,0.350000
<2.902955,37.316998,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.902955,37.316998,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.902955,37.316998,-0.000000>,0.350000
<2.195848,38.024105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.195848,38.024105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.195848,38.024105,-0.000000>,0.350000
<1.813165,38.947983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.813165,38.947983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,36.934315,-0.000000>,0.350000
<3.826834,37.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,37.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,37.934315,-0.000000>,0.350000
<3.444151,38.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,38.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,38.858192,-0.000000>,0.350000
<2.737044,39.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.737044,39.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,36.934315,-0.000000>,0.350000
<3.826834,37.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,37.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,37.934315,-0.000000>,0.350000
<3.826834,38.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,38.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,38.934315,-0.000000>,0.350000
<3.119728,39.641418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.119728,39.641418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.119728,39.641418,-0.000000>,0.350000
<2.737044,40.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.737044,40.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.737044,40.565300,-0.000000>,0.350000
<2.737044,41.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.737044,41.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,38.934315,-0.000000>,0.350000
<4.209518,39.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,39.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,39.858192,-0.000000>,0.350000
<4.209518,40.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,40.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,40.858192,-0.000000>,0.350000
<3.826834,41.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,41.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,38.934315,-0.000000>,0.350000
<4.209518,39.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,39.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,39.858192,-0.000000>,0.350000
<4.592201,40.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,40.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,40.782074,-0.000000>,0.350000
<4.209518,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,41.705952,-0.000000>,0.350000
<4.209518,42.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,42.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,42.705952,-0.000000>,0.350000
<4.592201,43.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,43.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,40.782074,-0.000000>,0.350000
<5.299308,41.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.299308,41.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.299308,41.489178,-0.000000>,0.350000
<5.681992,42.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.681992,42.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.681992,42.413059,-0.000000>,0.350000
<5.681992,43.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.681992,43.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,35.086555,-0.000000>,0.350000
<5.299308,35.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.299308,35.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.299308,35.793663,-0.000000>,0.350000
<6.006415,36.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.006415,36.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.006415,36.500767,-0.000000>,0.350000
<6.006415,37.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.006415,37.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.006415,37.500767,-0.000000>,0.350000
<6.389098,38.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.389098,38.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.389098,38.424648,-0.000000>,0.350000
<7.096205,39.131756,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.096205,39.131756,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.006415,36.500767,-0.000000>,0.350000
<6.930295,36.883450,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.930295,36.883450,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.930295,36.883450,-0.000000>,0.350000
<7.637401,37.590557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.637401,37.590557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.637401,37.590557,-0.000000>,0.350000
<8.020084,38.514439,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.020084,38.514439,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.006415,36.500767,-0.000000>,0.350000
<6.389098,37.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.389098,37.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.389098,37.424648,-0.000000>,0.350000
<6.771781,38.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.771781,38.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.771781,38.348526,-0.000000>,0.350000
<6.389098,39.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.389098,39.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.389098,39.272408,-0.000000>,0.350000
<6.389098,40.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.389098,40.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.389098,40.272408,-0.000000>,0.350000
<6.771781,41.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.771781,41.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.771781,38.348526,-0.000000>,0.350000
<7.478889,39.055634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.478889,39.055634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.478889,39.055634,-0.000000>,0.350000
<7.861572,39.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.861572,39.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.861572,39.979515,-0.000000>,0.350000
<7.861572,40.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.861572,40.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.771781,38.348526,-0.000000>,0.350000
<6.771781,39.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.771781,39.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.771781,39.348526,-0.000000>,0.350000
<6.771781,40.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.771781,40.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.771781,40.348526,-0.000000>,0.350000
<6.064675,41.055634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.064675,41.055634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.064675,41.055634,-0.000000>,0.350000
<5.681992,41.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.681992,41.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.681992,41.979515,-0.000000>,0.350000
<5.681992,42.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.681992,42.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.771781,40.348526,-0.000000>,0.350000
<7.154465,41.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.154465,41.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.154465,41.272408,-0.000000>,0.350000
<7.154465,42.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.154465,42.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.154465,42.272408,-0.000000>,0.350000
<6.771781,43.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.771781,43.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,35.086555,-0.000000>,0.350000
<4.592201,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,36.086555,-0.000000>,0.350000
<4.592201,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,37.086555,-0.000000>,0.350000
<3.885094,37.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.885094,37.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.885094,37.793663,-0.000000>,0.350000
<3.502411,38.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.502411,38.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.502411,38.717541,-0.000000>,0.350000
<3.502411,39.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.502411,39.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,37.086555,-0.000000>,0.350000
<4.974885,38.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,38.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,38.010433,-0.000000>,0.350000
<4.974885,39.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,39.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,39.010433,-0.000000>,0.350000
<4.592201,39.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,39.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,37.086555,-0.000000>,0.350000
<4.592201,38.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,38.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,38.086555,-0.000000>,0.350000
<4.592201,39.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,39.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,39.086555,-0.000000>,0.350000
<3.885094,39.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.885094,39.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.885094,39.793663,-0.000000>,0.350000
<3.502411,40.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.502411,40.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.502411,40.717541,-0.000000>,0.350000
<3.502411,41.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.502411,41.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,39.086555,-0.000000>,0.350000
<4.974885,40.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,40.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,40.010433,-0.000000>,0.350000
<4.974885,41.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,41.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,41.010433,-0.000000>,0.350000
<4.592201,41.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,41.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,39.086555,-0.000000>,0.350000
<3.885094,39.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.885094,39.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.885094,39.793663,-0.000000>,0.350000
<3.177988,40.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.177988,40.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.177988,40.500767,-0.000000>,0.350000
<2.177988,40.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.177988,40.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.177988,40.500767,-0.000000>,0.350000
<1.254108,40.883450,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.254108,40.883450,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.254108,40.883450,-0.000000>,0.350000
<0.547001,41.590557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.547001,41.590557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.177988,40.500767,-0.000000>,0.350000
<2.795304,41.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.795304,41.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.795304,41.424648,-0.000000>,0.350000
<2.088197,42.131756,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.088197,42.131756,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.088197,42.131756,-0.000000>,0.350000
<1.164318,42.514439,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.164318,42.514439,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.177988,40.500767,-0.000000>,0.350000
<2.795304,41.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.795304,41.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.795304,41.424648,-0.000000>,0.350000
<2.412621,42.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.412621,42.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.412621,42.348526,-0.000000>,0.350000
<1.488741,42.731209,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.488741,42.731209,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.488741,42.731209,-0.000000>,0.350000
<0.781634,43.438316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.781634,43.438316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.781634,43.438316,-0.000000>,0.350000
<0.398951,44.362198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.398951,44.362198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.412621,42.348526,-0.000000>,0.350000
<2.412621,43.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.412621,43.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.412621,43.348526,-0.000000>,0.350000
<2.029937,44.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.029937,44.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.029937,44.272408,-0.000000>,0.350000
<1.322831,44.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.322831,44.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.412621,42.348526,-0.000000>,0.350000
<2.412621,43.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.412621,43.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.412621,43.348526,-0.000000>,0.350000
<2.412621,44.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.412621,44.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.412621,44.348526,-0.000000>,0.350000
<1.705514,45.055634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.705514,45.055634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.705514,45.055634,-0.000000>,0.350000
<1.322831,45.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.322831,45.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.322831,45.979515,-0.000000>,0.350000
<1.322831,46.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.322831,46.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.412621,44.348526,-0.000000>,0.350000
<2.795304,45.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.795304,45.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.795304,45.272408,-0.000000>,0.350000
<2.795304,46.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.795304,46.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.795304,46.272408,-0.000000>,0.350000
<2.412621,47.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.412621,47.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,39.086555,-0.000000>,0.350000
<4.974885,40.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,40.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,40.010433,-0.000000>,0.350000
<5.357568,40.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,40.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,40.934315,-0.000000>,0.350000
<4.974885,41.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,41.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,41.858192,-0.000000>,0.350000
<4.974885,42.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,42.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,42.858192,-0.000000>,0.350000
<5.357568,43.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,43.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,40.934315,-0.000000>,0.350000
<6.064675,41.641418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.064675,41.641418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.064675,41.641418,-0.000000>,0.350000
<6.447358,42.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.447358,42.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.447358,42.565300,-0.000000>,0.350000
<6.447358,43.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.447358,43.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,40.934315,-0.000000>,0.350000
<5.357568,41.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,41.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,41.934315,-0.000000>,0.350000
<5.357568,42.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,42.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,42.934315,-0.000000>,0.350000
<4.650461,43.641418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.650461,43.641418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.650461,43.641418,-0.000000>,0.350000
<4.267778,44.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.267778,44.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.267778,44.565300,-0.000000>,0.350000
<4.267778,45.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.267778,45.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,42.934315,-0.000000>,0.350000
<5.740252,43.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,43.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,43.858192,-0.000000>,0.350000
<5.740252,44.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,44.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,44.858192,-0.000000>,0.350000
<5.357568,45.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,45.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,42.934315,-0.000000>,0.350000
<4.974885,43.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,43.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,43.858192,-0.000000>,0.350000
<4.592201,44.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,44.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,44.782074,-0.000000>,0.350000
<3.668322,45.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.668322,45.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.668322,45.164757,-0.000000>,0.350000
<2.961215,45.871864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.961215,45.871864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.961215,45.871864,-0.000000>,0.350000
<2.578532,46.795742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.578532,46.795742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,44.782074,-0.000000>,0.350000
<4.592201,45.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,45.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,45.782074,-0.000000>,0.350000
<4.209518,46.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,46.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,46.705952,-0.000000>,0.350000
<3.502411,47.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.502411,47.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,39.086555,-0.000000>,0.350000
<4.209518,40.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,40.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,40.010433,-0.000000>,0.350000
<3.826834,40.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,40.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,40.934315,-0.000000>,0.350000
<2.902955,41.316998,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.902955,41.316998,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.902955,41.316998,-0.000000>,0.350000
<2.195848,42.024105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.195848,42.024105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.195848,42.024105,-0.000000>,0.350000
<1.813165,42.947983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.813165,42.947983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,40.934315,-0.000000>,0.350000
<3.826834,41.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,41.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,41.934315,-0.000000>,0.350000
<3.444151,42.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,42.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,42.858192,-0.000000>,0.350000
<2.737044,43.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.737044,43.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,40.934315,-0.000000>,0.350000
<3.444151,41.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,41.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,41.858192,-0.000000>,0.350000
<3.061467,42.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,42.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,42.782074,-0.000000>,0.350000
<2.137588,43.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.137588,43.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.137588,43.164757,-0.000000>,0.350000
<1.430481,43.871864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.430481,43.871864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.430481,43.871864,-0.000000>,0.350000
<1.047798,44.795742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.047798,44.795742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,42.782074,-0.000000>,0.350000
<3.061467,43.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,43.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,43.782074,-0.000000>,0.350000
<2.678784,44.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,44.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,44.705952,-0.000000>,0.350000
<1.971677,45.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.971677,45.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,42.782074,-0.000000>,0.350000
<2.137588,43.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.137588,43.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.137588,43.164757,-0.000000>,0.350000
<1.213708,43.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.213708,43.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.213708,43.547440,-0.000000>,0.350000
<0.289829,43.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.289829,43.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.289829,43.164757,-0.000000>,0.350000
<-0.710171,43.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.710171,43.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.710171,43.164757,-0.000000>,0.350000
<-1.634051,43.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.634051,43.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.213708,43.547440,-0.000000>,0.350000
<0.506602,44.254547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.506602,44.254547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.506602,44.254547,-0.000000>,0.350000
<-0.417278,44.637230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.417278,44.637230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.417278,44.637230,-0.000000>,0.350000
<-1.417278,44.637230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.417278,44.637230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.213708,43.547440,-0.000000>,0.350000
<0.506602,44.254547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.506602,44.254547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.506602,44.254547,-0.000000>,0.350000
<-0.200505,44.961655,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.200505,44.961655,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.200505,44.961655,-0.000000>,0.350000
<-1.200505,44.961655,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.200505,44.961655,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.200505,44.961655,-0.000000>,0.350000
<-2.124385,45.344337,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.124385,45.344337,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.124385,45.344337,-0.000000>,0.350000
<-2.831491,46.051445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.831491,46.051445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.200505,44.961655,-0.000000>,0.350000
<-0.583189,45.885532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.583189,45.885532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.583189,45.885532,-0.000000>,0.350000
<-1.290295,46.592640,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.290295,46.592640,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.290295,46.592640,-0.000000>,0.350000
<-2.214175,46.975323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.214175,46.975323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.200505,44.961655,-0.000000>,0.350000
<-0.583189,45.885532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.583189,45.885532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.583189,45.885532,-0.000000>,0.350000
<-0.965872,46.809414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.965872,46.809414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.965872,46.809414,-0.000000>,0.350000
<-1.889752,47.192097,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.889752,47.192097,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.889752,47.192097,-0.000000>,0.350000
<-2.596858,47.899200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.596858,47.899200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.596858,47.899200,-0.000000>,0.350000
<-2.979542,48.823082,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.979542,48.823082,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.965872,46.809414,-0.000000>,0.350000
<-0.965872,47.809414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.965872,47.809414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.965872,47.809414,-0.000000>,0.350000
<-1.348555,48.733292,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.348555,48.733292,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.348555,48.733292,-0.000000>,0.350000
<-2.055662,49.440399,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.055662,49.440399,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,42.782074,-0.000000>,0.350000
<3.061467,43.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,43.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,43.782074,-0.000000>,0.350000
<3.061467,44.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,44.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,44.782074,-0.000000>,0.350000
<2.354361,45.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.354361,45.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.354361,45.489178,-0.000000>,0.350000
<1.971677,46.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.971677,46.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.971677,46.413059,-0.000000>,0.350000
<1.971677,47.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.971677,47.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,44.782074,-0.000000>,0.350000
<3.444151,45.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,45.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,45.705952,-0.000000>,0.350000
<3.444151,46.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,46.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,46.705952,-0.000000>,0.350000
<3.061467,47.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,47.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,44.782074,-0.000000>,0.350000
<2.678784,45.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,45.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,45.705952,-0.000000>,0.350000
<2.296101,46.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,46.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,46.629833,-0.000000>,0.350000
<1.372221,47.012516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.372221,47.012516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.372221,47.012516,-0.000000>,0.350000
<0.665114,47.719624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.665114,47.719624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.665114,47.719624,-0.000000>,0.350000
<0.282431,48.643501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.282431,48.643501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,46.629833,-0.000000>,0.350000
<2.296101,47.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,47.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,47.629833,-0.000000>,0.350000
<1.913417,48.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,48.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,48.553711,-0.000000>,0.350000
<1.206310,49.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206310,49.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,46.629833,-0.000000>,0.350000
<1.588994,47.336937,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.588994,47.336937,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.588994,47.336937,-0.000000>,0.350000
<0.881887,48.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.881887,48.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,48.044044,-0.000000>,0.350000
<-0.118113,48.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.118113,48.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.118113,48.044044,-0.000000>,0.350000
<-1.041993,48.426727,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.041993,48.426727,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.041993,48.426727,-0.000000>,0.350000
<-1.749099,49.133835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.749099,49.133835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.881887,48.044044,-0.000000>,0.350000
<0.499204,48.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.499204,48.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.499204,48.967926,-0.000000>,0.350000
<-0.207903,49.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.207903,49.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.207903,49.675030,-0.000000>,0.350000
<-1.131783,50.057716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.131783,50.057716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,31.391037,-0.000000>,0.350000
<2.678784,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,32.314915,-0.000000>,0.350000
<2.296101,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,33.238796,-0.000000>,0.350000
<1.372221,33.621479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.372221,33.621479,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.372221,33.621479,-0.000000>,0.350000
<0.665114,34.328587,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.665114,34.328587,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.665114,34.328587,-0.000000>,0.350000
<0.282431,35.252464,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.282431,35.252464,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,33.238796,-0.000000>,0.350000
<2.296101,34.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,34.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,34.238796,-0.000000>,0.350000
<1.913417,35.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,35.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,35.162674,-0.000000>,0.350000
<1.206310,35.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.206310,35.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,33.238796,-0.000000>,0.350000
<1.913417,34.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,34.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,34.162674,-0.000000>,0.350000
<1.530734,35.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,35.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,35.086555,-0.000000>,0.350000
<0.606854,35.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.606854,35.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.606854,35.469238,-0.000000>,0.350000
<-0.100253,36.176346,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.100253,36.176346,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.100253,36.176346,-0.000000>,0.350000
<-0.482936,37.100224,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.482936,37.100224,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,35.086555,-0.000000>,0.350000
<1.530734,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,36.086555,-0.000000>,0.350000
<1.148050,37.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,37.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,37.010433,-0.000000>,0.350000
<0.440944,37.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,37.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,35.086555,-0.000000>,0.350000
<0.606854,35.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.606854,35.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.606854,35.469238,-0.000000>,0.350000
<-0.317025,35.851921,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.317025,35.851921,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.317025,35.851921,-0.000000>,0.350000
<-1.240905,35.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.240905,35.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.240905,35.469238,-0.000000>,0.350000
<-2.240905,35.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.240905,35.469238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.240905,35.469238,-0.000000>,0.350000
<-3.164784,35.851921,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.164784,35.851921,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.317025,35.851921,-0.000000>,0.350000
<-1.024132,36.559029,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.024132,36.559029,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.024132,36.559029,-0.000000>,0.350000
<-1.948012,36.941711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.948012,36.941711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.948012,36.941711,-0.000000>,0.350000
<-2.948012,36.941711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.948012,36.941711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.317025,35.851921,-0.000000>,0.350000
<-1.024132,36.559029,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.024132,36.559029,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.024132,36.559029,-0.000000>,0.350000
<-1.731239,37.266136,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.731239,37.266136,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.731239,37.266136,-0.000000>,0.350000
<-2.731239,37.266136,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.731239,37.266136,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.731239,37.266136,-0.000000>,0.350000
<-3.655118,37.648819,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.655118,37.648819,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.655118,37.648819,-0.000000>,0.350000
<-4.362225,38.355927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.362225,38.355927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.731239,37.266136,-0.000000>,0.350000
<-2.113922,38.190014,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.113922,38.190014,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.113922,38.190014,-0.000000>,0.350000
<-2.821029,38.897121,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.821029,38.897121,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.821029,38.897121,-0.000000>,0.350000
<-3.744909,39.279804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.744909,39.279804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.731239,37.266136,-0.000000>,0.350000
<-2.113922,38.190014,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.113922,38.190014,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.113922,38.190014,-0.000000>,0.350000
<-2.496606,39.113895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.496606,39.113895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.496606,39.113895,-0.000000>,0.350000
<-3.420485,39.496578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.420485,39.496578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.420485,39.496578,-0.000000>,0.350000
<-4.127592,40.203686,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.127592,40.203686,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.127592,40.203686,-0.000000>,0.350000
<-4.510275,41.127563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.510275,41.127563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.496606,39.113895,-0.000000>,0.350000
<-2.496606,40.113895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.496606,40.113895,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.496606,40.113895,-0.000000>,0.350000
<-2.879289,41.037773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.879289,41.037773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.879289,41.037773,-0.000000>,0.350000
<-3.586396,41.744881,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.586396,41.744881,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,35.086555,-0.000000>,0.350000
<1.530734,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,36.086555,-0.000000>,0.350000
<1.530734,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,37.086555,-0.000000>,0.350000
<0.823627,37.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.823627,37.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.823627,37.793663,-0.000000>,0.350000
<0.440944,38.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,38.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.440944,38.717541,-0.000000>,0.350000
<0.440944,39.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.440944,39.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,37.086555,-0.000000>,0.350000
<1.913417,38.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,38.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,38.010433,-0.000000>,0.350000
<1.913417,39.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,39.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,39.010433,-0.000000>,0.350000
<1.530734,39.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,39.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,37.086555,-0.000000>,0.350000
<1.148050,38.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,38.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,38.010433,-0.000000>,0.350000
<0.765367,38.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,38.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,38.934315,-0.000000>,0.350000
<-0.158513,39.316998,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.158513,39.316998,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.158513,39.316998,-0.000000>,0.350000
<-0.865619,40.024105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.865619,40.024105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.865619,40.024105,-0.000000>,0.350000
<-1.248303,40.947983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.248303,40.947983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,38.934315,-0.000000>,0.350000
<0.765367,39.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,39.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,39.934315,-0.000000>,0.350000
<0.382683,40.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,40.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,40.858192,-0.000000>,0.350000
<-0.324423,41.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,41.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,38.934315,-0.000000>,0.350000
<0.058260,39.641418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.058260,39.641418,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.058260,39.641418,-0.000000>,0.350000
<-0.648847,40.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.648847,40.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,40.348526,-0.000000>,0.350000
<-1.648847,40.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648847,40.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.648847,40.348526,-0.000000>,0.350000
<-2.572726,40.731209,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.572726,40.731209,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.572726,40.731209,-0.000000>,0.350000
<-3.279833,41.438316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.279833,41.438316,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.648847,40.348526,-0.000000>,0.350000
<-1.031530,41.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.031530,41.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.031530,41.272408,-0.000000>,0.350000
<-1.738637,41.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.738637,41.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.738637,41.979515,-0.000000>,0.350000
<-2.662516,42.362198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.662516,42.362198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,35.086555,-0.000000>,0.350000
<1.148050,36.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,36.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,36.010433,-0.000000>,0.350000
<0.765367,36.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,36.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,36.934315,-0.000000>,0.350000
<-0.158513,37.316998,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.158513,37.316998,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.158513,37.316998,-0.000000>,0.350000
<-0.865619,38.024105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.865619,38.024105,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.865619,38.024105,-0.000000>,0.350000
<-1.248303,38.947983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.248303,38.947983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,36.934315,-0.000000>,0.350000
<0.765367,37.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,37.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,37.934315,-0.000000>,0.350000
<0.382683,38.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,38.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,38.858192,-0.000000>,0.350000
<-0.324423,39.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,39.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,36.934315,-0.000000>,0.350000
<0.382683,37.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,37.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,37.858192,-0.000000>,0.350000
<0.000000,38.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,38.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.782074,-0.000000>,0.350000
<-0.923880,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.923880,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.923880,39.164757,-0.000000>,0.350000
<-1.630986,39.871864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.630986,39.871864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.630986,39.871864,-0.000000>,0.350000
<-2.013670,40.795742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.013670,40.795742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.782074,-0.000000>,0.350000
<0.000000,39.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,39.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,39.782074,-0.000000>,0.350000
<-0.382683,40.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,40.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,40.705952,-0.000000>,0.350000
<-1.089790,41.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,41.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.782074,-0.000000>,0.350000
<-0.923880,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.923880,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.923880,39.164757,-0.000000>,0.350000
<-1.847759,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.847759,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.847759,39.547440,-0.000000>,0.350000
<-2.771639,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.771639,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.771639,39.164757,-0.000000>,0.350000
<-3.771639,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.771639,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.771639,39.164757,-0.000000>,0.350000
<-4.695518,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.695518,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.847759,39.547440,-0.000000>,0.350000
<-2.554866,40.254547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.554866,40.254547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.554866,40.254547,-0.000000>,0.350000
<-3.478745,40.637230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.478745,40.637230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.478745,40.637230,-0.000000>,0.350000
<-4.478745,40.637230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.478745,40.637230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.847759,39.547440,-0.000000>,0.350000
<-2.554866,40.254547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.554866,40.254547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.554866,40.254547,-0.000000>,0.350000
<-3.261973,40.961655,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.261973,40.961655,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.261973,40.961655,-0.000000>,0.350000
<-4.261972,40.961655,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.261972,40.961655,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.261972,40.961655,-0.000000>,0.350000
<-5.185852,41.344337,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.185852,41.344337,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.185852,41.344337,-0.000000>,0.350000
<-5.892959,42.051445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.892959,42.051445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.261973,40.961655,-0.000000>,0.350000
<-3.644656,41.885532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.644656,41.885532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.644656,41.885532,-0.000000>,0.350000
<-4.351763,42.592640,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.351763,42.592640,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.351763,42.592640,-0.000000>,0.350000
<-5.275642,42.975323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.275642,42.975323,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.261973,40.961655,-0.000000>,0.350000
<-3.644656,41.885532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.644656,41.885532,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.644656,41.885532,-0.000000>,0.350000
<-4.027339,42.809414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.027339,42.809414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.027339,42.809414,-0.000000>,0.350000
<-4.951219,43.192097,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.951219,43.192097,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.951219,43.192097,-0.000000>,0.350000
<-5.658326,43.899200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.658326,43.899200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.658326,43.899200,-0.000000>,0.350000
<-6.041009,44.823082,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.041009,44.823082,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.027339,42.809414,-0.000000>,0.350000
<-4.027339,43.809414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.027339,43.809414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.027339,43.809414,-0.000000>,0.350000
<-4.410023,44.733292,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.410023,44.733292,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.410023,44.733292,-0.000000>,0.350000
<-5.117130,45.440399,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.117130,45.440399,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.782074,-0.000000>,0.350000
<0.000000,39.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,39.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,39.782074,-0.000000>,0.350000
<0.000000,40.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,40.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.782074,-0.000000>,0.350000
<-0.707107,41.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,41.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,41.489178,-0.000000>,0.350000
<-1.089790,42.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,42.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,42.413059,-0.000000>,0.350000
<-1.089790,43.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,43.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.782074,-0.000000>,0.350000
<0.382683,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,41.705952,-0.000000>,0.350000
<0.382683,42.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,42.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,42.705952,-0.000000>,0.350000
<0.000000,43.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,43.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.782074,-0.000000>,0.350000
<-0.382683,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,41.705952,-0.000000>,0.350000
<-0.765367,42.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,42.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,42.629833,-0.000000>,0.350000
<-1.689246,43.012516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.689246,43.012516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.689246,43.012516,-0.000000>,0.350000
<-2.396353,43.719624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.396353,43.719624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.396353,43.719624,-0.000000>,0.350000
<-2.779037,44.643501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.779037,44.643501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,42.629833,-0.000000>,0.350000
<-0.765367,43.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,43.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,43.629833,-0.000000>,0.350000
<-1.148050,44.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,44.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,44.553711,-0.000000>,0.350000
<-1.855157,45.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,45.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,42.629833,-0.000000>,0.350000
<-1.472474,43.336937,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,43.336937,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,43.336937,-0.000000>,0.350000
<-2.179580,44.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,44.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,44.044044,-0.000000>,0.350000
<-3.179580,44.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.179580,44.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.179580,44.044044,-0.000000>,0.350000
<-4.103460,44.426727,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.103460,44.426727,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.103460,44.426727,-0.000000>,0.350000
<-4.810567,45.133835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.810567,45.133835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,44.044044,-0.000000>,0.350000
<-2.562264,44.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,44.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,44.967926,-0.000000>,0.350000
<-3.269371,45.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,45.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.269371,45.675030,-0.000000>,0.350000
<-4.193250,46.057716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.193250,46.057716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.782074,-0.000000>,0.350000
<-0.923880,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.923880,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.923880,39.164757,-0.000000>,0.350000
<-1.847759,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.847759,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.847759,39.547440,-0.000000>,0.350000
<-2.771639,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.771639,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.771639,39.164757,-0.000000>,0.350000
<-3.771639,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.771639,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.771639,39.164757,-0.000000>,0.350000
<-4.695518,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.695518,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.847759,39.547440,-0.000000>,0.350000
<-2.554866,40.254547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.554866,40.254547,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.554866,40.254547,-0.000000>,0.350000
<-3.478745,40.637230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.478745,40.637230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.478745,40.637230,-0.000000>,0.350000
<-4.478745,40.637230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.478745,40.637230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.847759,39.547440,-0.000000>,0.350000
<-2.771639,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.771639,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.771639,39.930122,-0.000000>,0.350000
<-3.695518,40.312805,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.695518,40.312805,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.695518,40.312805,-0.000000>,0.350000
<-4.619398,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.619398,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.619398,39.930122,-0.000000>,0.350000
<-5.619398,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.619398,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.619398,39.930122,-0.000000>,0.350000
<-6.543277,40.312805,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.543277,40.312805,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.695518,40.312805,-0.000000>,0.350000
<-4.402625,41.019913,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.402625,41.019913,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.402625,41.019913,-0.000000>,0.350000
<-5.326504,41.402596,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.326504,41.402596,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.326504,41.402596,-0.000000>,0.350000
<-6.326504,41.402596,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.326504,41.402596,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.695518,40.312805,-0.000000>,0.350000
<-4.619398,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.619398,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.619398,39.930122,-0.000000>,0.350000
<-5.543277,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.543277,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.543277,39.547440,-0.000000>,0.350000
<-5.925961,38.623558,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.925961,38.623558,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.925961,38.623558,-0.000000>,0.350000
<-6.633068,37.916454,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.633068,37.916454,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.633068,37.916454,-0.000000>,0.350000
<-7.556947,37.533772,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.556947,37.533772,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.543277,39.547440,-0.000000>,0.350000
<-6.543277,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.543277,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.543277,39.547440,-0.000000>,0.350000
<-7.467157,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.467157,39.164757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.467157,39.164757,-0.000000>,0.350000
<-8.174264,38.457649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.174264,38.457649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.543277,39.547440,-0.000000>,0.350000
<-6.543277,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.543277,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.543277,39.547440,-0.000000>,0.350000
<-7.543277,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.543277,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.543277,39.547440,-0.000000>,0.350000
<-8.250384,38.840332,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.250384,38.840332,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.250384,38.840332,-0.000000>,0.350000
<-9.174264,38.457649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.174264,38.457649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.174264,38.457649,-0.000000>,0.350000
<-10.174264,38.457649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.174264,38.457649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.543277,39.547440,-0.000000>,0.350000
<-8.467156,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.467156,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.467156,39.930122,-0.000000>,0.350000
<-9.467156,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.467156,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.467156,39.930122,-0.000000>,0.350000
<-10.391036,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.391036,39.547440,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.543277,39.547440,-0.000000>,0.350000
<-8.467156,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.467156,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.467156,39.930122,-0.000000>,0.350000
<-9.391036,40.312805,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.391036,40.312805,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.391036,40.312805,-0.000000>,0.350000
<-10.314916,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.314916,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.314916,39.930122,-0.000000>,0.350000
<-11.314916,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.314916,39.930122,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.314916,39.930122,-0.000000>,0.350000
<-12.238795,40.312805,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.238795,40.312805,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.391036,40.312805,-0.000000>,0.350000
<-10.098143,41.019913,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.098143,41.019913,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.098143,41.019913,-0.000000>,0.350000
<-11.022022,41.402596,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.022022,41.402596,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.022022,41.402596,-0.000000>,0.350000
<-12.022022,41.402596,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.022022,41.402596,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.695518,40.312805,-0.000000>,0.350000
<-4.402625,41.019913,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.402625,41.019913,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.402625,41.019913,-0.000000>,0.350000
<-5.109732,41.727020,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.109732,41.727020,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.109732,41.727020,-0.000000>,0.350000
<-6.109732,41.727020,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.109732,41.727020,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.109732,41.727020,-0.000000>,0.350000
<-7.033611,42.109703,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.033611,42.109703,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.033611,42.109703,-0.000000>,0.350000
<-7.740718,42.816811,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.740718,42.816811,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.109732,41.727020,-0.000000>,0.350000
<-5.492415,42.650898,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.492415,42.650898,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.492415,42.650898,-0.000000>,0.350000
<-6.199522,43.358006,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.199522,43.358006,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.199522,43.358006,-0.000000>,0.350000
<-7.123402,43.740688,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.123402,43.740688,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.109732,41.727020,-0.000000>,0.350000
<-6.033611,42.109703,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.033611,42.109703,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.033611,42.109703,-0.000000>,0.350000
<-6.957491,42.492386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.957491,42.492386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.957491,42.492386,-0.000000>,0.350000
<-7.881370,42.109703,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.881370,42.109703,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.881370,42.109703,-0.000000>,0.350000
<-8.881371,42.109703,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.881371,42.109703,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.881371,42.109703,-0.000000>,0.350000
<-9.805250,42.492386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.805250,42.492386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.957491,42.492386,-0.000000>,0.350000
<-7.664598,43.199493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.664598,43.199493,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.664598,43.199493,-0.000000>,0.350000
<-8.588477,43.582176,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.588477,43.582176,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.588477,43.582176,-0.000000>,0.350000
<-9.588477,43.582176,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.588477,43.582176,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.957491,42.492386,-0.000000>,0.350000
<-7.957491,42.492386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.957491,42.492386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.957491,42.492386,-0.000000>,0.350000
<-8.957491,42.492386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.957491,42.492386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.957491,42.492386,-0.000000>,0.350000
<-9.664598,41.785278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.664598,41.785278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.664598,41.785278,-0.000000>,0.350000
<-10.588477,41.402596,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.588477,41.402596,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.588477,41.402596,-0.000000>,0.350000
<-11.588477,41.402596,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.588477,41.402596,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.957491,42.492386,-0.000000>,0.350000
<-9.881371,42.875069,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.881371,42.875069,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.881371,42.875069,-0.000000>,0.350000
<-10.881371,42.875069,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.881371,42.875069,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.881371,42.875069,-0.000000>,0.350000
<-11.805250,42.492386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.805250,42.492386,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.695518,40.312805,-0.000000>,0.350000
<-4.402625,41.019913,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.402625,41.019913,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.402625,41.019913,-0.000000>,0.350000
<-5.109732,41.727020,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.109732,41.727020,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.109732,41.727020,-0.000000>,0.350000
<-6.109732,41.727020,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.109732,41.727020,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.109732,41.727020,-0.000000>,0.350000
<-7.033611,42.109703,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.033611,42.109703,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.033611,42.109703,-0.000000>,0.350000
<-7.740718,42.816811,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.740718,42.816811,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.109732,41.727020,-0.000000>,0.350000
<-5.492415,42.650898,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.492415,42.650898,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.492415,42.650898,-0.000000>,0.350000
<-6.199522,43.358006,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.199522,43.358006,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.199522,43.358006,-0.000000>,0.350000
<-7.123402,43.740688,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.123402,43.740688,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.109732,41.727020,-0.000000>,0.350000
<-5.816838,42.434128,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.816838,42.434128,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.816838,42.434128,-0.000000>,0.350000
<-6.523945,43.141232,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.523945,43.141232,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.523945,43.141232,-0.000000>,0.350000
<-7.523945,43.141232,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.523945,43.141232,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.523945,43.141232,-0.000000>,0.350000
<-8.447824,43.523918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.447824,43.523918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.447824,43.523918,-0.000000>,0.350000
<-9.154932,44.231022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.154932,44.231022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.523945,43.141232,-0.000000>,0.350000
<-6.906629,44.065113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.906629,44.065113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.906629,44.065113,-0.000000>,0.350000
<-7.613736,44.772221,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.613736,44.772221,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.613736,44.772221,-0.000000>,0.350000
<-8.537615,45.154903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.537615,45.154903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.523945,43.141232,-0.000000>,0.350000
<-7.523945,43.141232,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.523945,43.141232,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.523945,43.141232,-0.000000>,0.350000
<-8.523945,43.141232,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.523945,43.141232,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.523945,43.141232,-0.000000>,0.350000
<-9.231052,42.434128,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.231052,42.434128,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.231052,42.434128,-0.000000>,0.350000
<-10.154932,42.051445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.154932,42.051445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.154932,42.051445,-0.000000>,0.350000
<-11.154932,42.051445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.154932,42.051445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.523945,43.141232,-0.000000>,0.350000
<-9.447824,43.523918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.447824,43.523918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.447824,43.523918,-0.000000>,0.350000
<-10.447824,43.523918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.447824,43.523918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.447824,43.523918,-0.000000>,0.350000
<-11.371704,43.141232,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.371704,43.141232,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.523945,43.141232,-0.000000>,0.350000
<-9.447824,43.523918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.447824,43.523918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.447824,43.523918,-0.000000>,0.350000
<-10.371704,43.906601,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.371704,43.906601,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.371704,43.906601,-0.000000>,0.350000
<-11.295584,43.523918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.295584,43.523918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.295584,43.523918,-0.000000>,0.350000
<-12.295584,43.523918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.295584,43.523918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.295584,43.523918,-0.000000>,0.350000
<-13.219463,43.906601,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.219463,43.906601,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.371704,43.906601,-0.000000>,0.350000
<-11.078811,44.613708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.078811,44.613708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.078811,44.613708,-0.000000>,0.350000
<-12.002690,44.996391,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.002690,44.996391,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.002690,44.996391,-0.000000>,0.350000
<-13.002690,44.996391,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.002690,44.996391,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.371704,43.906601,-0.000000>,0.350000
<-11.078811,44.613708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.078811,44.613708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.078811,44.613708,-0.000000>,0.350000
<-11.785918,45.320812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.785918,45.320812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.785918,45.320812,-0.000000>,0.350000
<-12.785918,45.320812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.785918,45.320812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.785918,45.320812,-0.000000>,0.350000
<-13.709798,45.703499,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.709798,45.703499,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.709798,45.703499,-0.000000>,0.350000
<-14.416904,46.410603,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.416904,46.410603,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.785918,45.320812,-0.000000>,0.350000
<-12.168601,46.244694,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.168601,46.244694,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.168601,46.244694,-0.000000>,0.350000
<-12.875708,46.951801,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.875708,46.951801,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.875708,46.951801,-0.000000>,0.350000
<-13.799587,47.334484,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.799587,47.334484,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.523945,43.141232,-0.000000>,0.350000
<-6.906629,44.065113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.906629,44.065113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.906629,44.065113,-0.000000>,0.350000
<-7.289312,44.988991,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.289312,44.988991,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.289312,44.988991,-0.000000>,0.350000
<-8.213192,45.371677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.213192,45.371677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.213192,45.371677,-0.000000>,0.350000
<-8.920299,46.078781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.920299,46.078781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.920299,46.078781,-0.000000>,0.350000
<-9.302982,47.002663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.302982,47.002663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.289312,44.988991,-0.000000>,0.350000
<-7.289312,45.988991,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.289312,45.988991,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.289312,45.988991,-0.000000>,0.350000
<-7.671996,46.912872,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.671996,46.912872,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.671996,46.912872,-0.000000>,0.350000
<-8.379103,47.619980,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.379103,47.619980,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.289312,44.988991,-0.000000>,0.350000
<-7.996419,45.696098,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.996419,45.696098,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.996419,45.696098,-0.000000>,0.350000
<-8.703526,46.403206,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.703526,46.403206,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.703526,46.403206,-0.000000>,0.350000
<-9.703526,46.403206,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.703526,46.403206,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.703526,46.403206,-0.000000>,0.350000
<-10.627405,46.785889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.627405,46.785889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.627405,46.785889,-0.000000>,0.350000
<-11.334512,47.492996,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.334512,47.492996,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.703526,46.403206,-0.000000>,0.350000
<-9.086209,47.327087,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.086209,47.327087,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.086209,47.327087,-0.000000>,0.350000
<-9.793316,48.034191,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.793316,48.034191,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.793316,48.034191,-0.000000>,0.350000
<-10.717196,48.416874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.717196,48.416874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.703526,46.403206,-0.000000>,0.350000
<-9.627405,46.785889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.627405,46.785889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.627405,46.785889,-0.000000>,0.350000
<-10.551285,47.168571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.551285,47.168571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.551285,47.168571,-0.000000>,0.350000
<-11.475164,46.785889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.475164,46.785889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.475164,46.785889,-0.000000>,0.350000
<-12.475164,46.785889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.475164,46.785889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.475164,46.785889,-0.000000>,0.350000
<-13.399044,47.168571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.399044,47.168571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.551285,47.168571,-0.000000>,0.350000
<-11.258391,47.875679,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.258391,47.875679,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.258391,47.875679,-0.000000>,0.350000
<-12.182271,48.258362,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.182271,48.258362,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.182271,48.258362,-0.000000>,0.350000
<-13.182271,48.258362,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.182271,48.258362,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.523945,43.141232,-0.000000>,0.350000
<-6.906629,44.065113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.906629,44.065113,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.906629,44.065113,-0.000000>,0.350000
<-7.289312,44.988991,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.289312,44.988991,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.289312,44.988991,-0.000000>,0.350000
<-8.213192,45.371677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.213192,45.371677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.213192,45.371677,-0.000000>,0.350000
<-8.920299,46.078781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.920299,46.078781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.920299,46.078781,-0.000000>,0.350000
<-9.302982,47.002663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.302982,47.002663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.289312,44.988991,-0.000000>,0.350000
<-7.289312,45.988991,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.289312,45.988991,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.289312,45.988991,-0.000000>,0.350000
<-7.671996,46.912872,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.671996,46.912872,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.671996,46.912872,-0.000000>,0.350000
<-8.379103,47.619980,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.379103,47.619980,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.289312,44.988991,-0.000000>,0.350000
<-7.671996,45.912872,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.671996,45.912872,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.671996,45.912872,-0.000000>,0.350000
<-8.054679,46.836750,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.054679,46.836750,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.054679,46.836750,-0.000000>,0.350000
<-8.978559,47.219437,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.978559,47.219437,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.978559,47.219437,-0.000000>,0.350000
<-9.685665,47.926540,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.685665,47.926540,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.685665,47.926540,-0.000000>,0.350000
<-10.068349,48.850422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.068349,48.850422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.054679,46.836750,-0.000000>,0.350000
<-8.054679,47.836750,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.054679,47.836750,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.054679,47.836750,-0.000000>,0.350000
<-8.437363,48.760632,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.437363,48.760632,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.437363,48.760632,-0.000000>,0.350000
<-9.144469,49.467739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.144469,49.467739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.054679,46.836750,-0.000000>,0.350000
<-8.978559,47.219437,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.978559,47.219437,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.978559,47.219437,-0.000000>,0.350000
<-9.902438,47.602119,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.902438,47.602119,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.902438,47.602119,-0.000000>,0.350000
<-10.826318,47.219437,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.826318,47.219437,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.826318,47.219437,-0.000000>,0.350000
<-11.826318,47.219437,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.826318,47.219437,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.826318,47.219437,-0.000000>,0.350000
<-12.750197,47.602119,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.750197,47.602119,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.902438,47.602119,-0.000000>,0.350000
<-10.609545,48.309227,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.609545,48.309227,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.609545,48.309227,-0.000000>,0.350000
<-11.533424,48.691910,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.533424,48.691910,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.533424,48.691910,-0.000000>,0.350000
<-12.533424,48.691910,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.533424,48.691910,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.902438,47.602119,-0.000000>,0.350000
<-10.609545,48.309227,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.609545,48.309227,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.609545,48.309227,-0.000000>,0.350000
<-11.316651,49.016331,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.316651,49.016331,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.316651,49.016331,-0.000000>,0.350000
<-12.316651,49.016331,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.316651,49.016331,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.316651,49.016331,-0.000000>,0.350000
<-13.240531,49.399014,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.240531,49.399014,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.240531,49.399014,-0.000000>,0.350000
<-13.947638,50.106121,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.947638,50.106121,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.316651,49.016331,-0.000000>,0.350000
<-11.699335,49.940212,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.699335,49.940212,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.699335,49.940212,-0.000000>,0.350000
<-12.406442,50.647320,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.406442,50.647320,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.406442,50.647320,-0.000000>,0.350000
<-13.330321,51.030003,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.330321,51.030003,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.316651,49.016331,-0.000000>,0.350000
<-11.699335,49.940212,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.699335,49.940212,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.699335,49.940212,-0.000000>,0.350000
<-12.082019,50.864090,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.082019,50.864090,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.082019,50.864090,-0.000000>,0.350000
<-13.005898,51.246773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.005898,51.246773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.005898,51.246773,-0.000000>,0.350000
<-13.713005,51.953880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.713005,51.953880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.713005,51.953880,-0.000000>,0.350000
<-14.095688,52.877762,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.095688,52.877762,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.082019,50.864090,-0.000000>,0.350000
<-12.082019,51.864090,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.082019,51.864090,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.082019,51.864090,-0.000000>,0.350000
<-12.464702,52.787971,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.464702,52.787971,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.464702,52.787971,-0.000000>,0.350000
<-13.171808,53.495079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.171808,53.495079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.054679,46.836750,-0.000000>,0.350000
<-8.054679,47.836750,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.054679,47.836750,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.054679,47.836750,-0.000000>,0.350000
<-8.054679,48.836750,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.054679,48.836750,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.054679,48.836750,-0.000000>,0.350000
<-8.761786,49.543858,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.761786,49.543858,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.761786,49.543858,-0.000000>,0.350000
<-9.144469,50.467739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.144469,50.467739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.144469,50.467739,-0.000000>,0.350000
<-9.144469,51.467739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.144469,51.467739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.054679,48.836750,-0.000000>,0.350000
<-7.671996,49.760632,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.671996,49.760632,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.671996,49.760632,-0.000000>,0.350000
<-7.671996,50.760632,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.671996,50.760632,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.671996,50.760632,-0.000000>,0.350000
<-8.054679,51.684509,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.054679,51.684509,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.054679,48.836750,-0.000000>,0.350000
<-8.437363,49.760632,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.437363,49.760632,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.437363,49.760632,-0.000000>,0.350000
<-8.820045,50.684509,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.820045,50.684509,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.820045,50.684509,-0.000000>,0.350000
<-9.743925,51.067196,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.743925,51.067196,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.743925,51.067196,-0.000000>,0.350000
<-10.451033,51.774300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.451033,51.774300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.451033,51.774300,-0.000000>,0.350000
<-10.833715,52.698181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.833715,52.698181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.820045,50.684509,-0.000000>,0.350000
<-8.820045,51.684509,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.820045,51.684509,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.820045,51.684509,-0.000000>,0.350000
<-9.202729,52.608391,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.202729,52.608391,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.202729,52.608391,-0.000000>,0.350000
<-9.909836,53.315498,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.909836,53.315498,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.820045,50.684509,-0.000000>,0.350000
<-9.527153,51.391617,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.527153,51.391617,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.527153,51.391617,-0.000000>,0.350000
<-10.234260,52.098724,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.234260,52.098724,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.234260,52.098724,-0.000000>,0.350000
<-11.234260,52.098724,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.234260,52.098724,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.234260,52.098724,-0.000000>,0.350000
<-12.158139,52.481407,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.158139,52.481407,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.158139,52.481407,-0.000000>,0.350000
<-12.865246,53.188515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.865246,53.188515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.234260,52.098724,-0.000000>,0.350000
<-10.616942,53.022602,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.616942,53.022602,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.616942,53.022602,-0.000000>,0.350000
<-11.324050,53.729710,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.324050,53.729710,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.324050,53.729710,-0.000000>,0.350000
<-12.247930,54.112392,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.247930,54.112392,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,38.782074,-0.000000>,0.350000
<0.000000,39.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,39.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,39.782074,-0.000000>,0.350000
<0.000000,40.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,40.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.782074,-0.000000>,0.350000
<-0.707107,41.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,41.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,41.489178,-0.000000>,0.350000
<-1.089790,42.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,42.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,42.413059,-0.000000>,0.350000
<-1.089790,43.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,43.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.782074,-0.000000>,0.350000
<0.382683,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,41.705952,-0.000000>,0.350000
<0.382683,42.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,42.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,42.705952,-0.000000>,0.350000
<0.000000,43.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,43.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.782074,-0.000000>,0.350000
<0.000000,41.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,41.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,41.782074,-0.000000>,0.350000
<0.000000,42.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,42.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.782074,-0.000000>,0.350000
<-0.707107,43.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,43.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,43.489178,-0.000000>,0.350000
<-1.089790,44.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,44.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,44.413059,-0.000000>,0.350000
<-1.089790,45.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,45.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.782074,-0.000000>,0.350000
<0.382683,43.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,43.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,43.705952,-0.000000>,0.350000
<0.382683,44.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,44.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,44.705952,-0.000000>,0.350000
<0.000000,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.782074,-0.000000>,0.350000
<-0.707107,43.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.707107,43.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.707107,43.489178,-0.000000>,0.350000
<-1.414214,44.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.414214,44.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,44.196285,-0.000000>,0.350000
<-2.414214,44.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.414214,44.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.414214,44.196285,-0.000000>,0.350000
<-3.338093,44.578968,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.338093,44.578968,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.338093,44.578968,-0.000000>,0.350000
<-4.045200,45.286076,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.045200,45.286076,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,44.196285,-0.000000>,0.350000
<-1.796897,45.120167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,45.120167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,45.120167,-0.000000>,0.350000
<-2.504004,45.827271,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.504004,45.827271,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.504004,45.827271,-0.000000>,0.350000
<-3.427883,46.209957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.427883,46.209957,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.414214,44.196285,-0.000000>,0.350000
<-1.796897,45.120167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,45.120167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,45.120167,-0.000000>,0.350000
<-2.179580,46.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,46.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,46.044044,-0.000000>,0.350000
<-3.103460,46.426727,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.103460,46.426727,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.103460,46.426727,-0.000000>,0.350000
<-3.810567,47.133835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.810567,47.133835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.810567,47.133835,-0.000000>,0.350000
<-4.193250,48.057716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.193250,48.057716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,46.044044,-0.000000>,0.350000
<-2.179580,47.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,47.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,47.044044,-0.000000>,0.350000
<-2.562264,47.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,47.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,47.967926,-0.000000>,0.350000
<-3.269371,48.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,48.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,46.044044,-0.000000>,0.350000
<-2.179580,47.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,47.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,47.044044,-0.000000>,0.350000
<-2.179580,48.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,48.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,48.044044,-0.000000>,0.350000
<-2.886687,48.751152,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.886687,48.751152,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.886687,48.751152,-0.000000>,0.350000
<-3.269371,49.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,49.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.269371,49.675030,-0.000000>,0.350000
<-3.269371,50.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,50.675030,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,48.044044,-0.000000>,0.350000
<-1.796897,48.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,48.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,48.967926,-0.000000>,0.350000
<-1.796897,49.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,49.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.796897,49.967926,-0.000000>,0.350000
<-2.179580,50.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,50.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.782074,-0.000000>,0.350000
<0.382683,43.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,43.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,43.705952,-0.000000>,0.350000
<0.765367,44.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,44.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,44.629833,-0.000000>,0.350000
<0.382683,45.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,45.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,45.553711,-0.000000>,0.350000
<0.382683,46.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,46.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,46.553711,-0.000000>,0.350000
<0.765367,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,44.629833,-0.000000>,0.350000
<1.472474,45.336937,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.472474,45.336937,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,45.336937,-0.000000>,0.350000
<1.855157,46.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,46.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,46.260818,-0.000000>,0.350000
<1.855157,47.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,47.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,44.629833,-0.000000>,0.350000
<0.765367,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,45.629833,-0.000000>,0.350000
<0.765367,46.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,46.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,46.629833,-0.000000>,0.350000
<0.058260,47.336937,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.058260,47.336937,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.058260,47.336937,-0.000000>,0.350000
<-0.324423,48.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,48.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.324423,48.260818,-0.000000>,0.350000
<-0.324423,49.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.324423,49.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,46.629833,-0.000000>,0.350000
<1.148050,47.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,47.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,47.553711,-0.000000>,0.350000
<1.148050,48.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,48.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,48.553711,-0.000000>,0.350000
<0.765367,49.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,49.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,46.629833,-0.000000>,0.350000
<0.382683,47.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,47.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,47.553711,-0.000000>,0.350000
<0.000000,48.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,48.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.477592,-0.000000>,0.350000
<-0.923880,48.860275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.923880,48.860275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.923880,48.860275,-0.000000>,0.350000
<-1.630986,49.567379,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.630986,49.567379,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.630986,49.567379,-0.000000>,0.350000
<-2.013670,50.491261,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.013670,50.491261,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,48.477592,-0.000000>,0.350000
<0.000000,49.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,49.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,49.477592,-0.000000>,0.350000
<-0.382683,50.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,50.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,50.401470,-0.000000>,0.350000
<-1.089790,51.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,51.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,42.782074,-0.000000>,0.350000
<-0.382683,43.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,43.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,43.705952,-0.000000>,0.350000
<-0.765367,44.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,44.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,44.629833,-0.000000>,0.350000
<-1.689246,45.012516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.689246,45.012516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.689246,45.012516,-0.000000>,0.350000
<-2.396353,45.719624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.396353,45.719624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.396353,45.719624,-0.000000>,0.350000
<-2.779037,46.643501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.779037,46.643501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,44.629833,-0.000000>,0.350000
<-0.765367,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,45.629833,-0.000000>,0.350000
<-1.148050,46.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,46.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,46.553711,-0.000000>,0.350000
<-1.855157,47.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,47.260818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,44.629833,-0.000000>,0.350000
<-1.148050,45.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,45.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,45.553711,-0.000000>,0.350000
<-1.530734,46.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,46.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,46.477592,-0.000000>,0.350000
<-2.454613,46.860275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.454613,46.860275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.454613,46.860275,-0.000000>,0.350000
<-3.161720,47.567379,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.161720,47.567379,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.161720,47.567379,-0.000000>,0.350000
<-3.544404,48.491261,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.544404,48.491261,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,46.477592,-0.000000>,0.350000
<-1.530734,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,47.477592,-0.000000>,0.350000
<-1.913417,48.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,48.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,48.401470,-0.000000>,0.350000
<-2.620524,49.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.620524,49.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,46.477592,-0.000000>,0.350000
<-2.454613,46.860275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.454613,46.860275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.454613,46.860275,-0.000000>,0.350000
<-3.378493,47.242958,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.378493,47.242958,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378493,47.242958,-0.000000>,0.350000
<-4.302372,46.860275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.302372,46.860275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.302372,46.860275,-0.000000>,0.350000
<-5.302372,46.860275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.302372,46.860275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.302372,46.860275,-0.000000>,0.350000
<-6.226252,47.242958,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.226252,47.242958,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378493,47.242958,-0.000000>,0.350000
<-4.085599,47.950066,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.085599,47.950066,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.085599,47.950066,-0.000000>,0.350000
<-5.009479,48.332748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.009479,48.332748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.009479,48.332748,-0.000000>,0.350000
<-6.009479,48.332748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.009479,48.332748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.378493,47.242958,-0.000000>,0.350000
<-4.085599,47.950066,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.085599,47.950066,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.085599,47.950066,-0.000000>,0.350000
<-4.792706,48.657169,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.792706,48.657169,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.792706,48.657169,-0.000000>,0.350000
<-5.792706,48.657169,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.792706,48.657169,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.792706,48.657169,-0.000000>,0.350000
<-6.716586,49.039856,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.716586,49.039856,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.716586,49.039856,-0.000000>,0.350000
<-7.423693,49.746960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.423693,49.746960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.792706,48.657169,-0.000000>,0.350000
<-5.175390,49.581051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.175390,49.581051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.175390,49.581051,-0.000000>,0.350000
<-5.882496,50.288158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.882496,50.288158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.882496,50.288158,-0.000000>,0.350000
<-6.806376,50.670841,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.806376,50.670841,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.792706,48.657169,-0.000000>,0.350000
<-5.175390,49.581051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.175390,49.581051,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.175390,49.581051,-0.000000>,0.350000
<-5.558073,50.504929,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.558073,50.504929,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.558073,50.504929,-0.000000>,0.350000
<-6.481953,50.887615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.481953,50.887615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.481953,50.887615,-0.000000>,0.350000
<-7.189060,51.594719,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.189060,51.594719,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.189060,51.594719,-0.000000>,0.350000
<-7.571743,52.518600,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.571743,52.518600,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.558073,50.504929,-0.000000>,0.350000
<-5.558073,51.504929,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.558073,51.504929,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.558073,51.504929,-0.000000>,0.350000
<-5.940757,52.428810,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.940757,52.428810,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.940757,52.428810,-0.000000>,0.350000
<-6.647863,53.135918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.647863,53.135918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,46.477592,-0.000000>,0.350000
<-1.530734,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,47.477592,-0.000000>,0.350000
<-1.530734,48.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,48.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,48.477592,-0.000000>,0.350000
<-2.237840,49.184696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.237840,49.184696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.237840,49.184696,-0.000000>,0.350000
<-2.620524,50.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.620524,50.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.620524,50.108578,-0.000000>,0.350000
<-2.620524,51.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.620524,51.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,48.477592,-0.000000>,0.350000
<-1.148050,49.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,49.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,49.401470,-0.000000>,0.350000
<-1.148050,50.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,50.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,50.401470,-0.000000>,0.350000
<-1.530734,51.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,51.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,48.477592,-0.000000>,0.350000
<-1.913417,49.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,49.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,49.401470,-0.000000>,0.350000
<-2.296101,50.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,50.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,50.325348,-0.000000>,0.350000
<-3.219980,50.708035,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.219980,50.708035,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.219980,50.708035,-0.000000>,0.350000
<-3.927087,51.415138,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.927087,51.415138,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.927087,51.415138,-0.000000>,0.350000
<-4.309770,52.339020,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.309770,52.339020,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,50.325348,-0.000000>,0.350000
<-2.296101,51.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,51.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,51.325348,-0.000000>,0.350000
<-2.678784,52.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,52.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,52.249229,-0.000000>,0.350000
<-3.385891,52.956337,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.385891,52.956337,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,50.325348,-0.000000>,0.350000
<-3.003207,51.032455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.003207,51.032455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.003207,51.032455,-0.000000>,0.350000
<-3.710314,51.739563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.710314,51.739563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.710314,51.739563,-0.000000>,0.350000
<-4.710314,51.739563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.710314,51.739563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.710314,51.739563,-0.000000>,0.350000
<-5.634194,52.122246,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.634194,52.122246,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.634194,52.122246,-0.000000>,0.350000
<-6.341300,52.829353,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.341300,52.829353,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.710314,51.739563,-0.000000>,0.350000
<-4.092998,52.663445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.092998,52.663445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.092998,52.663445,-0.000000>,0.350000
<-4.800104,53.370548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.800104,53.370548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.800104,53.370548,-0.000000>,0.350000
<-5.723984,53.753235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.723984,53.753235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,46.477592,-0.000000>,0.350000
<-2.237840,47.184696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.237840,47.184696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.237840,47.184696,-0.000000>,0.350000
<-2.944947,47.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.944947,47.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,47.891804,-0.000000>,0.350000
<-3.944947,47.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.944947,47.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.944947,47.891804,-0.000000>,0.350000
<-4.868827,48.274487,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.868827,48.274487,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.868827,48.274487,-0.000000>,0.350000
<-5.575933,48.981594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.575933,48.981594,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,47.891804,-0.000000>,0.350000
<-3.327631,48.815685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.327631,48.815685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.327631,48.815685,-0.000000>,0.350000
<-4.034738,49.522789,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.034738,49.522789,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.034738,49.522789,-0.000000>,0.350000
<-4.958617,49.905476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.958617,49.905476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,47.891804,-0.000000>,0.350000
<-3.652054,48.598911,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.652054,48.598911,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.652054,48.598911,-0.000000>,0.350000
<-4.359161,49.306019,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,49.306019,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,49.306019,-0.000000>,0.350000
<-5.359161,49.306019,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.359161,49.306019,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.359161,49.306019,-0.000000>,0.350000
<-6.283041,49.688702,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.283041,49.688702,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.283041,49.688702,-0.000000>,0.350000
<-6.990147,50.395809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.990147,50.395809,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,49.306019,-0.000000>,0.350000
<-4.741844,50.229897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.741844,50.229897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.741844,50.229897,-0.000000>,0.350000
<-5.448951,50.937004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.448951,50.937004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.448951,50.937004,-0.000000>,0.350000
<-6.372830,51.319687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.372830,51.319687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,49.306019,-0.000000>,0.350000
<-5.359161,49.306019,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.359161,49.306019,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.359161,49.306019,-0.000000>,0.350000
<-6.359161,49.306019,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.359161,49.306019,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.359161,49.306019,-0.000000>,0.350000
<-7.066267,48.598911,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.066267,48.598911,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.066267,48.598911,-0.000000>,0.350000
<-7.990147,48.216228,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.990147,48.216228,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.990147,48.216228,-0.000000>,0.350000
<-8.990148,48.216228,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.990148,48.216228,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.359161,49.306019,-0.000000>,0.350000
<-7.283041,49.688702,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.283041,49.688702,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.283041,49.688702,-0.000000>,0.350000
<-8.283040,49.688702,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.283040,49.688702,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.283040,49.688702,-0.000000>,0.350000
<-9.206920,49.306019,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.206920,49.306019,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.359161,49.306019,-0.000000>,0.350000
<-7.283041,49.688702,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.283041,49.688702,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.283041,49.688702,-0.000000>,0.350000
<-8.206920,50.071384,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.206920,50.071384,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.206920,50.071384,-0.000000>,0.350000
<-9.130799,49.688702,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.130799,49.688702,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.130799,49.688702,-0.000000>,0.350000
<-10.130799,49.688702,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.130799,49.688702,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.130799,49.688702,-0.000000>,0.350000
<-11.054679,50.071384,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.054679,50.071384,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.206920,50.071384,-0.000000>,0.350000
<-8.914026,50.778492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.914026,50.778492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.914026,50.778492,-0.000000>,0.350000
<-9.837906,51.161175,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.837906,51.161175,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.837906,51.161175,-0.000000>,0.350000
<-10.837906,51.161175,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.837906,51.161175,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.206920,50.071384,-0.000000>,0.350000
<-8.914026,50.778492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.914026,50.778492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.914026,50.778492,-0.000000>,0.350000
<-9.621134,51.485600,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.621134,51.485600,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.621134,51.485600,-0.000000>,0.350000
<-10.621134,51.485600,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.621134,51.485600,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.621134,51.485600,-0.000000>,0.350000
<-11.545013,51.868282,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.545013,51.868282,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.545013,51.868282,-0.000000>,0.350000
<-12.252120,52.575390,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.252120,52.575390,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.621134,51.485600,-0.000000>,0.350000
<-10.003817,52.409477,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.003817,52.409477,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.003817,52.409477,-0.000000>,0.350000
<-10.710924,53.116585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.710924,53.116585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.710924,53.116585,-0.000000>,0.350000
<-11.634803,53.499268,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.634803,53.499268,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,49.306019,-0.000000>,0.350000
<-4.741844,50.229897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.741844,50.229897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.741844,50.229897,-0.000000>,0.350000
<-5.124528,51.153778,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.124528,51.153778,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,51.153778,-0.000000>,0.350000
<-6.048407,51.536461,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.048407,51.536461,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.048407,51.536461,-0.000000>,0.350000
<-6.755514,52.243568,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.755514,52.243568,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.755514,52.243568,-0.000000>,0.350000
<-7.138197,53.167446,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.138197,53.167446,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,51.153778,-0.000000>,0.350000
<-5.124528,52.153778,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.124528,52.153778,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,52.153778,-0.000000>,0.350000
<-5.507211,53.077656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.507211,53.077656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.507211,53.077656,-0.000000>,0.350000
<-6.214318,53.784763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.214318,53.784763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,51.153778,-0.000000>,0.350000
<-5.831635,51.860882,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.831635,51.860882,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.831635,51.860882,-0.000000>,0.350000
<-6.538741,52.567989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.538741,52.567989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,52.567989,-0.000000>,0.350000
<-7.538741,52.567989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.538741,52.567989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.538741,52.567989,-0.000000>,0.350000
<-8.462621,52.950672,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.462621,52.950672,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.462621,52.950672,-0.000000>,0.350000
<-9.169727,53.657780,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.169727,53.657780,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,52.567989,-0.000000>,0.350000
<-6.921425,53.491871,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.921425,53.491871,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.921425,53.491871,-0.000000>,0.350000
<-7.628531,54.198978,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.628531,54.198978,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.628531,54.198978,-0.000000>,0.350000
<-8.552411,54.581661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.552411,54.581661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.538741,52.567989,-0.000000>,0.350000
<-7.462621,52.950672,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.462621,52.950672,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.462621,52.950672,-0.000000>,0.350000
<-8.386500,53.333359,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.386500,53.333359,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.386500,53.333359,-0.000000>,0.350000
<-9.310380,52.950672,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.310380,52.950672,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.310380,52.950672,-0.000000>,0.350000
<-10.310380,52.950672,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.310380,52.950672,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.310380,52.950672,-0.000000>,0.350000
<-11.234260,53.333359,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.234260,53.333359,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.386500,53.333359,-0.000000>,0.350000
<-9.093607,54.040462,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.093607,54.040462,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.093607,54.040462,-0.000000>,0.350000
<-10.017487,54.423149,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.017487,54.423149,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.017487,54.423149,-0.000000>,0.350000
<-11.017487,54.423149,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.017487,54.423149,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 33.199131, 66.398262>
look_at   <0, 33.199131,  0>
}
