#include "colors.inc"
light_source { <147.019089, 147.019089, 147.019089> color White}

cone {
<0.000000,0.000000,-0.000000>,1.000000
<0.000000,10.000000,-0.000000>,1.000000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,1.000000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,1.000000
<0.000000,14.242640,-4.242640>,0.707000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,14.242640,-4.242640>,0.707000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.242640,-4.242640>,0.707000
<-2.545584,16.042641,-6.042641>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.545584,16.042641,-6.042641>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.545584,16.042641,-6.042641>,0.499849
<-4.516556,16.859043,-5.704475>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.516556,16.859043,-5.704475>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.516556,16.859043,-5.704475>,0.353393
<-5.533222,17.218489,-6.423367>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.533222,17.218489,-6.423367>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.533222,17.218489,-6.423367>,0.249849
<-6.284139,17.374010,-6.294530>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.284139,17.374010,-6.294530>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.284139,17.374010,-6.294530>,0.176643
<-6.661176,17.440660,-6.561135>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.661176,17.440660,-6.561135>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.661176,17.440660,-6.561135>,0.124887
<-6.935655,17.469084,-6.514042>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.935655,17.469084,-6.514042>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.935655,17.469084,-6.514042>,0.088295
<-7.072439,17.481174,-6.610764>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.072439,17.481174,-6.610764>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.072439,17.481174,-6.610764>,0.062425
<-7.171636,17.486311,-6.593744>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.171636,17.486311,-6.593744>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.072439,17.481174,-6.610764>,0.062425
<-7.195545,17.492056,-6.697813>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.195545,17.492056,-6.697813>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.935655,17.469084,-6.514042>,0.088295
<-7.182686,17.494665,-6.471659>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.182686,17.494665,-6.471659>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.182686,17.494665,-6.471659>,0.062425
<-7.269735,17.505547,-6.348553>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.269735,17.505547,-6.348553>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.182686,17.494665,-6.471659>,0.062425
<-7.405013,17.517687,-6.433513>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.405013,17.517687,-6.433513>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.661176,17.440660,-6.561135>,0.124887
<-7.000510,17.500647,-6.801081>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000510,17.500647,-6.801081>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000510,17.500647,-6.801081>,0.088295
<-7.042894,17.526228,-7.048111>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.042894,17.526228,-7.048111>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.042894,17.526228,-7.048111>,0.062425
<-7.165999,17.537109,-7.135160>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.165999,17.537109,-7.135160>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.042894,17.526228,-7.048111>,0.062425
<-7.081039,17.549252,-7.270439>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.081039,17.549252,-7.270439>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000510,17.500647,-6.801081>,0.088295
<-7.305910,17.554634,-7.017031>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.305910,17.554634,-7.017031>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.305910,17.554634,-7.017031>,0.062425
<-7.528238,17.577658,-6.978886>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.528238,17.577658,-6.978886>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.305910,17.554634,-7.017031>,0.062425
<-7.580770,17.603224,-7.211387>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.580770,17.603224,-7.211387>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.284139,17.374010,-6.294530>,0.176643
<-6.959964,17.513977,-6.178576>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.959964,17.513977,-6.178576>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.959964,17.513977,-6.178576>,0.124887
<-7.199909,17.573963,-5.839243>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.199909,17.573963,-5.839243>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.199909,17.573963,-5.839243>,0.088295
<-7.446940,17.599545,-5.796859>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.446940,17.599545,-5.796859>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.446940,17.599545,-5.796859>,0.062425
<-7.533989,17.610426,-5.673753>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.533989,17.610426,-5.673753>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.446940,17.599545,-5.796859>,0.062425
<-7.669268,17.622568,-5.758714>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.669268,17.622568,-5.758714>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.199909,17.573963,-5.839243>,0.088295
<-7.415860,17.627951,-5.533843>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.415860,17.627951,-5.533843>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.415860,17.627951,-5.533843>,0.062425
<-7.377715,17.650974,-5.311515>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.377715,17.650974,-5.311515>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.415860,17.627951,-5.533843>,0.062425
<-7.610216,17.676540,-5.258982>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.610216,17.676540,-5.258982>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.959964,17.513977,-6.178576>,0.124887
<-7.568207,17.639948,-6.074219>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.568207,17.639948,-6.074219>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.568207,17.639948,-6.074219>,0.088295
<-7.873607,17.693937,-6.290169>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.873607,17.693937,-6.290169>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.873607,17.693937,-6.290169>,0.062425
<-8.095935,17.716959,-6.252024>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.095935,17.716959,-6.252024>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.873607,17.693937,-6.290169>,0.062425
<-8.148467,17.742525,-6.484525>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.148467,17.742525,-6.484525>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.568207,17.639948,-6.074219>,0.088295
<-8.115625,17.753323,-5.980297>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.115625,17.753323,-5.980297>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.115625,17.753323,-5.980297>,0.062425
<-8.309980,17.801912,-5.705436>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.309980,17.801912,-5.705436>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.115625,17.753323,-5.980297>,0.062425
<-8.608302,17.855360,-5.895766>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.608302,17.855360,-5.895766>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.533222,17.218489,-6.423367>,0.249849
<-6.448221,17.541990,-7.070369>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.448221,17.541990,-7.070369>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.448221,17.541990,-7.070369>,0.176643
<-6.564175,17.681959,-7.746194>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.564175,17.681959,-7.746194>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.564175,17.681959,-7.746194>,0.124887
<-6.903508,17.741945,-7.986139>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.903508,17.741945,-7.986139>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.903508,17.741945,-7.986139>,0.088295
<-6.945892,17.767527,-8.233171>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.945892,17.767527,-8.233171>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.945892,17.767527,-8.233171>,0.062425
<-7.068998,17.778406,-8.320219>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.068998,17.778406,-8.320219>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.945892,17.767527,-8.233171>,0.062425
<-6.984037,17.790548,-8.455498>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.984037,17.790548,-8.455498>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.903508,17.741945,-7.986139>,0.088295
<-7.208909,17.795933,-8.202090>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.208909,17.795933,-8.202090>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.208909,17.795933,-8.202090>,0.062425
<-7.431236,17.818954,-8.163944>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.431236,17.818954,-8.163944>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.208909,17.795933,-8.202090>,0.062425
<-7.483769,17.844521,-8.396445>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.483769,17.844521,-8.396445>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.564175,17.681959,-7.746194>,0.124887
<-6.668533,17.807930,-8.354437>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.668533,17.807930,-8.354437>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.668533,17.807930,-8.354437>,0.088295
<-6.452582,17.861917,-8.659837>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.452582,17.861917,-8.659837>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.452582,17.861917,-8.659837>,0.062425
<-6.490727,17.884941,-8.882165>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.490727,17.884941,-8.882165>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.452582,17.861917,-8.659837>,0.062425
<-6.258226,17.910507,-8.934697>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.258226,17.910507,-8.934697>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.668533,17.807930,-8.354437>,0.088295
<-6.762455,17.921305,-8.901855>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.762455,17.921305,-8.901855>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.762455,17.921305,-8.901855>,0.062425
<-7.037315,17.969893,-9.096210>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.037315,17.969893,-9.096210>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.762455,17.921305,-8.901855>,0.062425
<-6.846985,18.023340,-9.394532>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.846985,18.023340,-9.394532>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.448221,17.541990,-7.070369>,0.176643
<-7.271721,17.833141,-7.652671>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.271721,17.833141,-7.652671>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.271721,17.833141,-7.652671>,0.124887
<-7.879963,17.959112,-7.548313>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.879963,17.959112,-7.548313>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.879963,17.959112,-7.548313>,0.088295
<-8.185364,18.013100,-7.764264>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.185364,18.013100,-7.764264>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.185364,18.013100,-7.764264>,0.062425
<-8.407692,18.036123,-7.726119>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.407692,18.036123,-7.726119>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.185364,18.013100,-7.764264>,0.062425
<-8.460224,18.061689,-7.958619>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.460224,18.061689,-7.958619>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.879963,17.959112,-7.548313>,0.088295
<-8.427382,18.072487,-7.454391>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.427382,18.072487,-7.454391>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.427382,18.072487,-7.454391>,0.062425
<-8.621737,18.121077,-7.179531>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.621737,18.121077,-7.179531>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.427382,18.072487,-7.454391>,0.062425
<-8.920058,18.174524,-7.369861>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.920058,18.174524,-7.369861>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.271721,17.833141,-7.652671>,0.124887
<-8.012871,18.095177,-8.176743>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.012871,18.095177,-8.176743>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.012871,18.095177,-8.176743>,0.088295
<-8.106792,18.208551,-8.724161>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.106792,18.208551,-8.724161>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.106792,18.208551,-8.724161>,0.062425
<-8.381653,18.257141,-8.918517>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.381653,18.257141,-8.918517>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.106792,18.208551,-8.724161>,0.062425
<-8.191322,18.310589,-9.216838>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.191322,18.310589,-9.216838>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.012871,18.095177,-8.176743>,0.088295
<-8.679905,18.331011,-8.648408>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.679905,18.331011,-8.648408>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.679905,18.331011,-8.648408>,0.062425
<-9.172582,18.433046,-8.563878>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.172582,18.433046,-8.563878>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.679905,18.331011,-8.648408>,0.062425
<-9.280236,18.543259,-9.072906>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.280236,18.543259,-9.072906>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.516556,16.859043,-5.704475>,0.353393
<-6.290431,17.593807,-5.400126>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.290431,17.593807,-5.400126>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.290431,17.593807,-5.400126>,0.249849
<-6.937433,17.917309,-4.485127>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.937433,17.917309,-4.485127>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.937433,17.917309,-4.485127>,0.176643
<-7.613258,18.057276,-4.369174>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.613258,18.057276,-4.369174>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.613258,18.057276,-4.369174>,0.124887
<-7.853203,18.117262,-4.029840>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.853203,18.117262,-4.029840>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.853203,18.117262,-4.029840>,0.088295
<-8.100234,18.142843,-3.987457>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.100234,18.142843,-3.987457>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.100234,18.142843,-3.987457>,0.062425
<-8.187283,18.153725,-3.864351>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.187283,18.153725,-3.864351>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.100234,18.142843,-3.987457>,0.062425
<-8.322561,18.165865,-3.949311>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.322561,18.165865,-3.949311>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.853203,18.117262,-4.029840>,0.088295
<-8.069154,18.171249,-3.724440>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.069154,18.171249,-3.724440>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.069154,18.171249,-3.724440>,0.062425
<-8.031009,18.194273,-3.502112>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.031009,18.194273,-3.502112>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.069154,18.171249,-3.724440>,0.062425
<-8.263510,18.219839,-3.449580>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.263510,18.219839,-3.449580>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.613258,18.057276,-4.369174>,0.124887
<-8.221500,18.183247,-4.264816>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.221500,18.183247,-4.264816>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.221500,18.183247,-4.264816>,0.088295
<-8.526901,18.237234,-4.480767>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.526901,18.237234,-4.480767>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.526901,18.237234,-4.480767>,0.062425
<-8.749228,18.260258,-4.442621>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.749228,18.260258,-4.442621>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.526901,18.237234,-4.480767>,0.062425
<-8.801762,18.285824,-4.675122>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.801762,18.285824,-4.675122>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.221500,18.183247,-4.264816>,0.088295
<-8.768919,18.296621,-4.170894>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.768919,18.296621,-4.170894>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.768919,18.296621,-4.170894>,0.062425
<-8.963275,18.345209,-3.896034>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.963275,18.345209,-3.896034>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.768919,18.296621,-4.170894>,0.062425
<-9.261596,18.398657,-4.086364>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.261596,18.398657,-4.086364>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.937433,17.917309,-4.485127>,0.176643
<-7.519735,18.208460,-3.661628>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.519735,18.208460,-3.661628>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.519735,18.208460,-3.661628>,0.124887
<-7.415377,18.334431,-3.053385>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.415377,18.334431,-3.053385>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.415377,18.334431,-3.053385>,0.088295
<-7.631328,18.388418,-2.747985>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.631328,18.388418,-2.747985>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.631328,18.388418,-2.747985>,0.062425
<-7.593182,18.411440,-2.525657>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.593182,18.411440,-2.525657>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.631328,18.388418,-2.747985>,0.062425
<-7.825683,18.437006,-2.473125>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.825683,18.437006,-2.473125>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.415377,18.334431,-3.053385>,0.088295
<-7.321455,18.447803,-2.505966>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.321455,18.447803,-2.505966>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.321455,18.447803,-2.505966>,0.062425
<-7.046595,18.496393,-2.311611>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.046595,18.496393,-2.311611>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.321455,18.447803,-2.505966>,0.062425
<-7.236925,18.549841,-2.013290>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.236925,18.549841,-2.013290>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.519735,18.208460,-3.661628>,0.124887
<-8.043807,18.470495,-2.920478>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.043807,18.470495,-2.920478>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.043807,18.470495,-2.920478>,0.088295
<-8.591226,18.583868,-2.826556>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.591226,18.583868,-2.826556>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.591226,18.583868,-2.826556>,0.062425
<-8.785581,18.632458,-2.551696>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.785581,18.632458,-2.551696>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.591226,18.583868,-2.826556>,0.062425
<-9.083901,18.685905,-2.742026>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.083901,18.685905,-2.742026>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.043807,18.470495,-2.920478>,0.088295
<-8.515471,18.706327,-2.253444>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.515471,18.706327,-2.253444>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.515471,18.706327,-2.253444>,0.062425
<-8.430942,18.808363,-1.760767>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.430942,18.808363,-1.760767>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.515471,18.706327,-2.253444>,0.062425
<-8.939970,18.918577,-1.653113>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.939970,18.918577,-1.653113>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.290431,17.593807,-5.400126>,0.249849
<-7.886918,18.255093,-5.126213>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.886918,18.255093,-5.126213>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.886918,18.255093,-5.126213>,0.176643
<-8.710417,18.546244,-5.708515>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.710417,18.546244,-5.708515>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.710417,18.546244,-5.708515>,0.124887
<-9.318660,18.672216,-5.604157>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.318660,18.672216,-5.604157>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.318660,18.672216,-5.604157>,0.088295
<-9.624061,18.726204,-5.820107>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.624061,18.726204,-5.820107>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.624061,18.726204,-5.820107>,0.062425
<-9.846388,18.749226,-5.781962>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.846388,18.749226,-5.781962>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.624061,18.726204,-5.820107>,0.062425
<-9.898920,18.774792,-6.014463>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.898920,18.774792,-6.014463>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.318660,18.672216,-5.604157>,0.088295
<-9.866078,18.785589,-5.510235>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.866078,18.785589,-5.510235>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.866078,18.785589,-5.510235>,0.062425
<-10.060434,18.834179,-5.235374>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.060434,18.834179,-5.235374>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.866078,18.785589,-5.510235>,0.062425
<-10.358755,18.887627,-5.425705>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.358755,18.887627,-5.425705>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.710417,18.546244,-5.708515>,0.124887
<-9.451567,18.808281,-6.232587>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.451567,18.808281,-6.232587>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.451567,18.808281,-6.232587>,0.088295
<-9.545489,18.921654,-6.780005>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.545489,18.921654,-6.780005>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.545489,18.921654,-6.780005>,0.062425
<-9.820349,18.970243,-6.974360>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.820349,18.970243,-6.974360>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.545489,18.921654,-6.780005>,0.062425
<-9.630019,19.023691,-7.272682>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.630019,19.023691,-7.272682>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.451567,18.808281,-6.232587>,0.088295
<-10.118601,19.044113,-6.704251>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.118601,19.044113,-6.704251>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.118601,19.044113,-6.704251>,0.062425
<-10.611278,19.146149,-6.619721>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.611278,19.146149,-6.619721>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.118601,19.044113,-6.704251>,0.062425
<-10.718932,19.256361,-7.128749>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.718932,19.256361,-7.128749>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.886918,18.255093,-5.126213>,0.176643
<-9.323756,18.850252,-4.879690>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.323756,18.850252,-4.879690>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.323756,18.850252,-4.879690>,0.124887
<-9.847828,19.112288,-4.138541>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.847828,19.112288,-4.138541>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.847828,19.112288,-4.138541>,0.088295
<-10.395247,19.225662,-4.044619>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.395247,19.225662,-4.044619>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.395247,19.225662,-4.044619>,0.062425
<-10.589602,19.274250,-3.769758>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.589602,19.274250,-3.769758>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.395247,19.225662,-4.044619>,0.062425
<-10.887923,19.327698,-3.960089>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.887923,19.327698,-3.960089>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.847828,19.112288,-4.138541>,0.088295
<-10.319492,19.348120,-3.471506>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.319492,19.348120,-3.471506>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.319492,19.348120,-3.471506>,0.062425
<-10.234962,19.450155,-2.978830>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.234962,19.450155,-2.978830>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.319492,19.348120,-3.471506>,0.062425
<-10.743991,19.560369,-2.871175>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.743991,19.560369,-2.871175>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.323756,18.850252,-4.879690>,0.124887
<-10.616911,19.385893,-4.657820>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.616911,19.385893,-4.657820>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.616911,19.385893,-4.657820>,0.088295
<-11.283945,19.621725,-5.129485>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.283945,19.621725,-5.129485>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.283945,19.621725,-5.129485>,0.062425
<-11.776622,19.723763,-5.044955>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.776622,19.723763,-5.044955>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.283945,19.621725,-5.129485>,0.062425
<-11.884276,19.833975,-5.553983>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.884276,19.833975,-5.553983>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.616911,19.385893,-4.657820>,0.088295
<-11.780749,19.867971,-4.458137>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.780749,19.867971,-4.458137>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.780749,19.867971,-4.458137>,0.062425
<-12.205248,20.080221,-3.857806>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.205248,20.080221,-3.857806>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.780749,19.867971,-4.458137>,0.062425
<-12.828205,20.301842,-4.278422>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.828205,20.301842,-4.278422>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.545584,16.042641,-6.042641>,0.499849
<-4.836610,17.662642,-7.662641>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.836610,17.662642,-7.662641>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.836610,17.662642,-7.662641>,0.353393
<-5.140959,18.397404,-9.436515>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.140959,18.397404,-9.436515>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.140959,18.397404,-9.436515>,0.249849
<-6.055958,18.720905,-10.083518>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.055958,18.720905,-10.083518>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.055958,18.720905,-10.083518>,0.176643
<-6.171912,18.860872,-10.759343>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.171912,18.860872,-10.759343>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.171912,18.860872,-10.759343>,0.124887
<-6.511245,18.920858,-10.999288>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.511245,18.920858,-10.999288>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.511245,18.920858,-10.999288>,0.088295
<-6.553629,18.946440,-11.246319>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.553629,18.946440,-11.246319>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.553629,18.946440,-11.246319>,0.062425
<-6.676735,18.957321,-11.333367>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.676735,18.957321,-11.333367>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.553629,18.946440,-11.246319>,0.062425
<-6.591774,18.969463,-11.468646>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.591774,18.969463,-11.468646>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.511245,18.920858,-10.999288>,0.088295
<-6.816646,18.974846,-11.215239>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.816646,18.974846,-11.215239>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.816646,18.974846,-11.215239>,0.062425
<-7.038973,18.997869,-11.177094>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.038973,18.997869,-11.177094>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.816646,18.974846,-11.215239>,0.062425
<-7.091506,19.023436,-11.409595>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.091506,19.023436,-11.409595>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.171912,18.860872,-10.759343>,0.124887
<-6.276270,18.986843,-11.367585>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.276270,18.986843,-11.367585>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.276270,18.986843,-11.367585>,0.088295
<-6.060319,19.040831,-11.672986>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.060319,19.040831,-11.672986>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.060319,19.040831,-11.672986>,0.062425
<-6.098464,19.063854,-11.895313>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.098464,19.063854,-11.895313>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.060319,19.040831,-11.672986>,0.062425
<-5.865963,19.089420,-11.947846>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.865963,19.089420,-11.947846>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.276270,18.986843,-11.367585>,0.088295
<-6.370192,19.100218,-11.915004>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.370192,19.100218,-11.915004>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.370192,19.100218,-11.915004>,0.062425
<-6.645052,19.148808,-12.109360>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.645052,19.148808,-12.109360>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.370192,19.100218,-11.915004>,0.062425
<-6.454722,19.202255,-12.407681>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.454722,19.202255,-12.407681>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.055958,18.720905,-10.083518>,0.176643
<-6.879458,19.012056,-10.665820>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.879458,19.012056,-10.665820>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.879458,19.012056,-10.665820>,0.124887
<-7.487701,19.138027,-10.561461>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.487701,19.138027,-10.561461>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.487701,19.138027,-10.561461>,0.088295
<-7.793101,19.192015,-10.777412>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.793101,19.192015,-10.777412>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.793101,19.192015,-10.777412>,0.062425
<-8.015429,19.215038,-10.739267>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.015429,19.215038,-10.739267>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.793101,19.192015,-10.777412>,0.062425
<-8.067962,19.240604,-10.971767>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.067962,19.240604,-10.971767>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.487701,19.138027,-10.561461>,0.088295
<-8.035119,19.251402,-10.467540>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.035119,19.251402,-10.467540>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.035119,19.251402,-10.467540>,0.062425
<-8.229475,19.299990,-10.192679>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.229475,19.299990,-10.192679>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.035119,19.251402,-10.467540>,0.062425
<-8.527796,19.353437,-10.383010>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.527796,19.353437,-10.383010>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.879458,19.012056,-10.665820>,0.124887
<-7.620607,19.274092,-11.189892>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.620607,19.274092,-11.189892>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.620607,19.274092,-11.189892>,0.088295
<-7.714530,19.387466,-11.737310>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.714530,19.387466,-11.737310>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.714530,19.387466,-11.737310>,0.062425
<-7.989390,19.436054,-11.931665>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.989390,19.436054,-11.931665>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.714530,19.387466,-11.737310>,0.062425
<-7.799059,19.489502,-12.229986>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.799059,19.489502,-12.229986>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.620607,19.274092,-11.189892>,0.088295
<-8.287642,19.509924,-11.661556>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.287642,19.509924,-11.661556>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.287642,19.509924,-11.661556>,0.062425
<-8.780318,19.611961,-11.577026>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.780318,19.611961,-11.577026>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.287642,19.509924,-11.661556>,0.062425
<-8.887973,19.722174,-12.086055>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.887973,19.722174,-12.086055>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.140959,18.397404,-9.436515>,0.249849
<-5.414873,19.058691,-11.033003>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.414873,19.058691,-11.033003>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.414873,19.058691,-11.033003>,0.176643
<-4.832571,19.349842,-11.856502>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.832571,19.349842,-11.856502>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.832571,19.349842,-11.856502>,0.124887
<-4.936929,19.475813,-12.464745>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.936929,19.475813,-12.464745>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.936929,19.475813,-12.464745>,0.088295
<-4.720978,19.529800,-12.770145>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.720978,19.529800,-12.770145>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.720978,19.529800,-12.770145>,0.062425
<-4.759124,19.552822,-12.992473>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.759124,19.552822,-12.992473>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.720978,19.529800,-12.770145>,0.062425
<-4.526623,19.578388,-13.045005>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.526623,19.578388,-13.045005>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.936929,19.475813,-12.464745>,0.088295
<-5.030851,19.589186,-13.012163>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.030851,19.589186,-13.012163>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.030851,19.589186,-13.012163>,0.062425
<-5.305711,19.637775,-13.206519>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.305711,19.637775,-13.206519>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.030851,19.589186,-13.012163>,0.062425
<-5.115381,19.691223,-13.504840>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.115381,19.691223,-13.504840>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.832571,19.349842,-11.856502>,0.124887
<-4.308499,19.611877,-12.597651>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.308499,19.611877,-12.597651>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.308499,19.611877,-12.597651>,0.088295
<-3.761081,19.725252,-12.691574>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.761081,19.725252,-12.691574>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.761081,19.725252,-12.691574>,0.062425
<-3.566725,19.773840,-12.966434>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.566725,19.773840,-12.966434>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.761081,19.725252,-12.691574>,0.062425
<-3.268404,19.827288,-12.776104>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.268404,19.827288,-12.776104>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.308499,19.611877,-12.597651>,0.088295
<-3.836834,19.847710,-13.264686>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.836834,19.847710,-13.264686>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.836834,19.847710,-13.264686>,0.062425
<-3.921364,19.949747,-13.757362>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.921364,19.949747,-13.757362>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.836834,19.847710,-13.264686>,0.062425
<-3.412336,20.059959,-13.865017>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.412336,20.059959,-13.865017>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.414873,19.058691,-11.033003>,0.176643
<-5.661396,19.653849,-12.469841>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.661396,19.653849,-12.469841>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.661396,19.653849,-12.469841>,0.124887
<-6.402545,19.915884,-12.993913>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.402545,19.915884,-12.993913>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.402545,19.915884,-12.993913>,0.088295
<-6.496467,20.029259,-13.541331>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.496467,20.029259,-13.541331>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.496467,20.029259,-13.541331>,0.062425
<-6.771327,20.077847,-13.735687>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.771327,20.077847,-13.735687>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.496467,20.029259,-13.541331>,0.062425
<-6.580997,20.131294,-14.034008>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.580997,20.131294,-14.034008>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.402545,19.915884,-12.993913>,0.088295
<-7.069580,20.151716,-13.465578>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.069580,20.151716,-13.465578>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.069580,20.151716,-13.465578>,0.062425
<-7.562256,20.253754,-13.381047>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.562256,20.253754,-13.381047>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.069580,20.151716,-13.465578>,0.062425
<-7.669911,20.363966,-13.890076>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.669911,20.363966,-13.890076>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.661396,19.653849,-12.469841>,0.124887
<-5.883266,20.189491,-13.762996>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.883266,20.189491,-13.762996>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.883266,20.189491,-13.762996>,0.088295
<-5.411601,20.425323,-14.430030>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.411601,20.425323,-14.430030>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.411601,20.425323,-14.430030>,0.062425
<-5.496131,20.527359,-14.922707>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.496131,20.527359,-14.922707>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.411601,20.425323,-14.430030>,0.062425
<-4.987103,20.637571,-15.030361>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.987103,20.637571,-15.030361>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.883266,20.189491,-13.762996>,0.088295
<-6.082949,20.671568,-14.926835>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.082949,20.671568,-14.926835>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082949,20.671568,-14.926835>,0.062425
<-6.683280,20.883818,-15.351333>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.683280,20.883818,-15.351333>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.082949,20.671568,-14.926835>,0.062425
<-6.262664,21.105438,-15.974290>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.262664,21.105438,-15.974290>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.836610,17.662642,-7.662641>,0.353393
<-6.898534,19.120640,-9.120641>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.898534,19.120640,-9.120641>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.898534,19.120640,-9.120641>,0.249849
<-8.495021,19.781927,-8.846726>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.495021,19.781927,-8.846726>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.495021,19.781927,-8.846726>,0.176643
<-9.318521,20.073078,-9.429029>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.318521,20.073078,-9.429029>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.318521,20.073078,-9.429029>,0.124887
<-9.926763,20.199049,-9.324671>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.926763,20.199049,-9.324671>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.926763,20.199049,-9.324671>,0.088295
<-10.232163,20.253036,-9.540622>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.232163,20.253036,-9.540622>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.232163,20.253036,-9.540622>,0.062425
<-10.454491,20.276060,-9.502476>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.454491,20.276060,-9.502476>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.232163,20.253036,-9.540622>,0.062425
<-10.507024,20.301626,-9.734977>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.507024,20.301626,-9.734977>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.926763,20.199049,-9.324671>,0.088295
<-10.474181,20.312424,-9.230749>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.474181,20.312424,-9.230749>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.474181,20.312424,-9.230749>,0.062425
<-10.668537,20.361012,-8.955889>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.668537,20.361012,-8.955889>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.474181,20.312424,-9.230749>,0.062425
<-10.966858,20.414459,-9.146218>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.966858,20.414459,-9.146218>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.318521,20.073078,-9.429029>,0.124887
<-10.059669,20.335114,-9.953100>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.059669,20.335114,-9.953100>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.059669,20.335114,-9.953100>,0.088295
<-10.153592,20.448488,-10.500519>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.153592,20.448488,-10.500519>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.153592,20.448488,-10.500519>,0.062425
<-10.428452,20.497078,-10.694875>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.428452,20.497078,-10.694875>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.153592,20.448488,-10.500519>,0.062425
<-10.238122,20.550526,-10.993196>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.238122,20.550526,-10.993196>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.059669,20.335114,-9.953100>,0.088295
<-10.726705,20.570946,-10.424766>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.726705,20.570946,-10.424766>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.726705,20.570946,-10.424766>,0.062425
<-11.219381,20.672983,-10.340236>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.219381,20.672983,-10.340236>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.726705,20.570946,-10.424766>,0.062425
<-11.327035,20.783195,-10.849263>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.327035,20.783195,-10.849263>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.495021,19.781927,-8.846726>,0.176643
<-9.931859,20.377085,-8.600204>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.931859,20.377085,-8.600204>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.931859,20.377085,-8.600204>,0.124887
<-10.455931,20.639122,-7.859055>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.455931,20.639122,-7.859055>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.455931,20.639122,-7.859055>,0.088295
<-11.003349,20.752495,-7.765132>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.003349,20.752495,-7.765132>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.003349,20.752495,-7.765132>,0.062425
<-11.197705,20.801085,-7.490273>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.197705,20.801085,-7.490273>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.003349,20.752495,-7.765132>,0.062425
<-11.496026,20.854532,-7.680603>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.496026,20.854532,-7.680603>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.455931,20.639122,-7.859055>,0.088295
<-10.927595,20.874954,-7.192020>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.927595,20.874954,-7.192020>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.927595,20.874954,-7.192020>,0.062425
<-10.843065,20.976990,-6.699344>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.843065,20.976990,-6.699344>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.927595,20.874954,-7.192020>,0.062425
<-11.352094,21.087202,-6.591689>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.352094,21.087202,-6.591689>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.931859,20.377085,-8.600204>,0.124887
<-11.225014,20.912727,-8.378334>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.225014,20.912727,-8.378334>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.225014,20.912727,-8.378334>,0.088295
<-11.892048,21.148560,-8.849998>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.892048,21.148560,-8.849998>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.892048,21.148560,-8.849998>,0.062425
<-12.384725,21.250597,-8.765469>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.384725,21.250597,-8.765469>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.892048,21.148560,-8.849998>,0.062425
<-12.492379,21.360809,-9.274497>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.492379,21.360809,-9.274497>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.225014,20.912727,-8.378334>,0.088295
<-12.388853,21.394806,-8.178651>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.388853,21.394806,-8.178651>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.388853,21.394806,-8.178651>,0.062425
<-12.813351,21.607054,-7.578320>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.813351,21.607054,-7.578320>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.388853,21.394806,-8.178651>,0.062425
<-13.436308,21.828676,-7.998936>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.436308,21.828676,-7.998936>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.898534,19.120640,-9.120641>,0.249849
<-8.754265,20.432840,-10.432840>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.754265,20.432840,-10.432840>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.754265,20.432840,-10.432840>,0.176643
<-9.000787,21.027998,-11.869678>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.000787,21.027998,-11.869678>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000787,21.027998,-11.869678>,0.124887
<-9.741937,21.290035,-12.393751>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.741937,21.290035,-12.393751>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.741937,21.290035,-12.393751>,0.088295
<-9.835858,21.403408,-12.941169>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.835858,21.403408,-12.941169>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.835858,21.403408,-12.941169>,0.062425
<-10.110719,21.451998,-13.135525>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.110719,21.451998,-13.135525>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.835858,21.403408,-12.941169>,0.062425
<-9.920388,21.505445,-13.433846>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.920388,21.505445,-13.433846>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.741937,21.290035,-12.393751>,0.088295
<-10.408971,21.525867,-12.865416>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.408971,21.525867,-12.865416>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.408971,21.525867,-12.865416>,0.062425
<-10.901648,21.627903,-12.780886>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.901648,21.627903,-12.780886>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.408971,21.525867,-12.865416>,0.062425
<-11.009302,21.738115,-13.289913>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.009302,21.738115,-13.289913>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.000787,21.027998,-11.869678>,0.124887
<-9.222657,21.563641,-13.162833>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.222657,21.563641,-13.162833>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.222657,21.563641,-13.162833>,0.088295
<-8.750993,21.799473,-13.829868>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.750993,21.799473,-13.829868>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.750993,21.799473,-13.829868>,0.062425
<-8.835523,21.901510,-14.322545>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.835523,21.901510,-14.322545>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.750993,21.799473,-13.829868>,0.062425
<-8.326494,22.011723,-14.430199>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.326494,22.011723,-14.430199>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.222657,21.563641,-13.162833>,0.088295
<-9.422340,22.045719,-14.326673>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.422340,22.045719,-14.326673>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.422340,22.045719,-14.326673>,0.062425
<-10.022672,22.257967,-14.751171>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.022672,22.257967,-14.751171>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.422340,22.045719,-14.326673>,0.062425
<-9.602056,22.479589,-15.374127>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.602056,22.479589,-15.374127>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.754265,20.432840,-10.432840>,0.176643
<-10.424422,21.613821,-11.613820>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.424422,21.613821,-11.613820>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.424422,21.613821,-11.613820>,0.124887
<-11.717577,22.149462,-11.391951>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.717577,22.149462,-11.391951>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.717577,22.149462,-11.391951>,0.088295
<-12.384612,22.385296,-11.863615>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.384612,22.385296,-11.863615>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.384612,22.385296,-11.863615>,0.062425
<-12.877289,22.487331,-11.779085>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.877289,22.487331,-11.779085>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.384612,22.385296,-11.863615>,0.062425
<-12.984942,22.597544,-12.288114>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.984942,22.597544,-12.288114>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.717577,22.149462,-11.391951>,0.088295
<-12.881416,22.631540,-11.192267>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.881416,22.631540,-11.192267>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.881416,22.631540,-11.192267>,0.062425
<-13.305915,22.843790,-10.591936>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.305915,22.843790,-10.591936>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.881416,22.631540,-11.192267>,0.062425
<-13.928871,23.065411,-11.012552>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.928871,23.065411,-11.012552>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.424422,21.613821,-11.613820>,0.124887
<-11.927565,22.676702,-12.676702>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.927565,22.676702,-12.676702>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.927565,22.676702,-12.676702>,0.088295
<-12.127248,23.158781,-13.840542>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.127248,23.158781,-13.840542>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.127248,23.158781,-13.840542>,0.062425
<-12.727579,23.371029,-14.265039>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.727579,23.371029,-14.265039>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.127248,23.158781,-13.840542>,0.062425
<-12.306963,23.592651,-14.887997>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.306963,23.592651,-14.887997>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.927565,22.676702,-12.676702>,0.088295
<-13.280393,23.633297,-13.633296>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.280393,23.633297,-13.633296>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.280393,23.633297,-13.633296>,0.062425
<-14.327847,24.067167,-13.453581>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.327847,24.067167,-13.453581>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.280393,23.633297,-13.633296>,0.062425
<-14.497937,24.494230,-14.494230>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.497937,24.494230,-14.494230>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.242640,-4.242640>,0.707000
<0.000000,18.061018,-8.061017>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.061018,-8.061017>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.061018,-8.061017>,0.499849
<2.291026,19.681017,-9.681017>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.291026,19.681017,-9.681017>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<2.291026,19.681017,-9.681017>,0.353393
<4.064900,20.415781,-9.376669>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.064900,20.415781,-9.376669>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<4.064900,20.415781,-9.376669>,0.249849
<4.979900,20.739281,-10.023671>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.979900,20.739281,-10.023671>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<4.979900,20.739281,-10.023671>,0.176643
<5.655725,20.879250,-9.907718>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.655725,20.879250,-9.907718>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.655725,20.879250,-9.907718>,0.124887
<5.995059,20.939236,-10.147663>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.995059,20.939236,-10.147663>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.995059,20.939236,-10.147663>,0.088295
<6.242090,20.964817,-10.105279>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.242090,20.964817,-10.105279>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.242090,20.964817,-10.105279>,0.062425
<6.365196,20.975698,-10.192327>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.365196,20.975698,-10.192327>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.242090,20.964817,-10.105279>,0.062425
<6.464417,20.987839,-10.067134>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.464417,20.987839,-10.067134>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.995059,20.939236,-10.147663>,0.088295
<6.300459,20.993223,-10.363613>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.300459,20.993223,-10.363613>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.300459,20.993223,-10.363613>,0.062425
<6.338604,21.016247,-10.585941>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.338604,21.016247,-10.585941>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.300459,20.993223,-10.363613>,0.062425
<6.575319,21.041813,-10.557969>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.575319,21.041813,-10.557969>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.655725,20.879250,-9.907718>,0.124887
<6.263968,21.005220,-9.803360>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.263968,21.005220,-9.803360>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.263968,21.005220,-9.803360>,0.088295
<6.479918,21.059208,-9.497959>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.479918,21.059208,-9.497959>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.479918,21.059208,-9.497959>,0.062425
<6.702246,21.082232,-9.459814>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.702246,21.082232,-9.459814>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.479918,21.059208,-9.497959>,0.062425
<6.674274,21.107798,-9.223099>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.674274,21.107798,-9.223099>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.263968,21.005220,-9.803360>,0.088295
<6.811387,21.118595,-9.709437>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.811387,21.118595,-9.709437>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.811387,21.118595,-9.709437>,0.062425
<7.086246,21.167183,-9.903793>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.086246,21.167183,-9.903793>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.811387,21.118595,-9.709437>,0.062425
<7.304063,21.220631,-9.624907>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.304063,21.220631,-9.624907>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.979900,20.739281,-10.023671>,0.176643
<5.803400,21.030432,-10.605973>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.803400,21.030432,-10.605973>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.803400,21.030432,-10.605973>,0.124887
<5.907757,21.156404,-11.214215>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.907757,21.156404,-11.214215>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.907757,21.156404,-11.214215>,0.088295
<6.213158,21.210392,-11.430166>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.213158,21.210392,-11.430166>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.213158,21.210392,-11.430166>,0.062425
<6.251303,21.233414,-11.652494>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.251303,21.233414,-11.652494>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.213158,21.210392,-11.430166>,0.062425
<6.488018,21.258980,-11.624522>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.488018,21.258980,-11.624522>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.907757,21.156404,-11.214215>,0.088295
<6.001679,21.269777,-11.761634>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.001679,21.269777,-11.761634>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.001679,21.269777,-11.761634>,0.062425
<5.807324,21.318367,-12.036494>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.807324,21.318367,-12.036494>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.001679,21.269777,-11.761634>,0.062425
<6.086210,21.371815,-12.254311>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.086210,21.371815,-12.254311>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.803400,21.030432,-10.605973>,0.124887
<6.544549,21.292469,-11.130045>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.544549,21.292469,-11.130045>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.544549,21.292469,-11.130045>,0.088295
<7.091968,21.405842,-11.036122>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.091968,21.405842,-11.036122>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.091968,21.405842,-11.036122>,0.062425
<7.366828,21.454432,-11.230478>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.366828,21.454432,-11.230478>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.091968,21.405842,-11.036122>,0.062425
<7.584644,21.507879,-10.951592>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.584644,21.507879,-10.951592>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.544549,21.292469,-11.130045>,0.088295
<7.211584,21.528301,-11.601709>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.211584,21.528301,-11.601709>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.211584,21.528301,-11.601709>,0.062425
<7.296113,21.630337,-12.094386>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.296113,21.630337,-12.094386>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.211584,21.528301,-11.601709>,0.062425
<7.811915,21.740549,-12.026208>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.811915,21.740549,-12.026208>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.064900,20.415781,-9.376669>,0.249849
<5.661388,21.077066,-9.102755>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.661388,21.077066,-9.102755>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<5.661388,21.077066,-9.102755>,0.176643
<6.243690,21.368217,-8.279255>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.243690,21.368217,-8.279255>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<6.243690,21.368217,-8.279255>,0.124887
<6.851933,21.494188,-8.174897>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.851933,21.494188,-8.174897>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.851933,21.494188,-8.174897>,0.088295
<7.067883,21.548178,-7.869497>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.067883,21.548178,-7.869497>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.067883,21.548178,-7.869497>,0.062425
<7.290211,21.571199,-7.831352>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.290211,21.571199,-7.831352>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.067883,21.548178,-7.869497>,0.062425
<7.262239,21.596766,-7.594637>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.262239,21.596766,-7.594637>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.851933,21.494188,-8.174897>,0.088295
<7.399351,21.607563,-8.080976>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.399351,21.607563,-8.080976>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.399351,21.607563,-8.080976>,0.062425
<7.674212,21.656153,-8.275331>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.674212,21.656153,-8.275331>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.399351,21.607563,-8.080976>,0.062425
<7.892028,21.709600,-7.996445>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.892028,21.709600,-7.996445>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.243690,21.368217,-8.279255>,0.124887
<6.767762,21.630255,-7.538105>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.767762,21.630255,-7.538105>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.767762,21.630255,-7.538105>,0.088295
<6.673840,21.743628,-6.990687>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.673840,21.743628,-6.990687>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.673840,21.743628,-6.990687>,0.062425
<6.868195,21.792217,-6.715827>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.868195,21.792217,-6.715827>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.673840,21.743628,-6.990687>,0.062425
<6.589310,21.845665,-6.498011>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.589310,21.845665,-6.498011>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.767762,21.630255,-7.538105>,0.088295
<7.239427,21.866087,-6.871071>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.239427,21.866087,-6.871071>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.239427,21.866087,-6.871071>,0.062425
<7.732103,21.968122,-6.786541>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.732103,21.968122,-6.786541>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.239427,21.866087,-6.871071>,0.062425
<7.663925,22.078335,-6.270740>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.663925,22.078335,-6.270740>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.661388,21.077066,-9.102755>,0.176643
<7.098227,21.672224,-8.856233>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.098227,21.672224,-8.856233>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<7.098227,21.672224,-8.856233>,0.124887
<7.839376,21.934261,-9.380304>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.839376,21.934261,-9.380304>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.839376,21.934261,-9.380304>,0.088295
<8.386794,22.047634,-9.286382>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.386794,22.047634,-9.286382>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.386794,22.047634,-9.286382>,0.062425
<8.661654,22.096224,-9.480738>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.661654,22.096224,-9.480738>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.386794,22.047634,-9.286382>,0.062425
<8.879471,22.149672,-9.201852>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.879471,22.149672,-9.201852>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.839376,21.934261,-9.380304>,0.088295
<8.506411,22.170094,-9.851969>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.506411,22.170094,-9.851969>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.506411,22.170094,-9.851969>,0.062425
<8.590940,22.272129,-10.344646>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.590940,22.272129,-10.344646>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.506411,22.170094,-9.851969>,0.062425
<9.106742,22.382343,-10.276467>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106742,22.382343,-10.276467>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.098227,21.672224,-8.856233>,0.124887
<8.391381,22.207867,-8.634362>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.391381,22.207867,-8.634362>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.391381,22.207867,-8.634362>,0.088295
<8.863046,22.443699,-7.967327>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.863046,22.443699,-7.967327>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.863046,22.443699,-7.967327>,0.062425
<9.355722,22.545736,-7.882797>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.355722,22.545736,-7.882797>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.863046,22.443699,-7.967327>,0.062425
<9.287544,22.655949,-7.366996>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.287544,22.655949,-7.366996>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.391381,22.207867,-8.634362>,0.088295
<9.555221,22.689945,-8.434679>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.555221,22.689945,-8.434679>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.555221,22.689945,-8.434679>,0.062425
<10.155551,22.902195,-8.859177>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.155551,22.902195,-8.859177>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.555221,22.689945,-8.434679>,0.062425
<10.602675,23.123816,-8.254964>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.602675,23.123816,-8.254964>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.291026,19.681017,-9.681017>,0.353393
<4.352949,21.139017,-11.139017>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.352949,21.139017,-11.139017>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<4.352949,21.139017,-11.139017>,0.249849
<4.626863,21.800304,-12.735504>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.626863,21.800304,-12.735504>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<4.626863,21.800304,-12.735504>,0.176643
<5.450363,22.091455,-13.317806>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.450363,22.091455,-13.317806>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<5.450363,22.091455,-13.317806>,0.124887
<5.554720,22.217426,-13.926049>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.554720,22.217426,-13.926049>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.554720,22.217426,-13.926049>,0.088295
<5.860121,22.271414,-14.142000>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.860121,22.271414,-14.142000>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.860121,22.271414,-14.142000>,0.062425
<5.898266,22.294437,-14.364327>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.898266,22.294437,-14.364327>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.860121,22.271414,-14.142000>,0.062425
<6.134981,22.320004,-14.336355>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.134981,22.320004,-14.336355>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.554720,22.217426,-13.926049>,0.088295
<5.648643,22.330801,-14.473468>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.648643,22.330801,-14.473468>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.648643,22.330801,-14.473468>,0.062425
<5.454287,22.379389,-14.748328>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.454287,22.379389,-14.748328>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.648643,22.330801,-14.473468>,0.062425
<5.733173,22.432837,-14.966145>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.733173,22.432837,-14.966145>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.450363,22.091455,-13.317806>,0.124887
<6.191512,22.353491,-13.841878>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.191512,22.353491,-13.841878>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.191512,22.353491,-13.841878>,0.088295
<6.738931,22.466866,-13.747956>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.738931,22.466866,-13.747956>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.738931,22.466866,-13.747956>,0.062425
<7.013791,22.515453,-13.942312>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.013791,22.515453,-13.942312>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.738931,22.466866,-13.747956>,0.062425
<7.231607,22.568901,-13.663426>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.231607,22.568901,-13.663426>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.191512,22.353491,-13.841878>,0.088295
<6.858547,22.589323,-14.313543>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.858547,22.589323,-14.313543>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.858547,22.589323,-14.313543>,0.062425
<6.943077,22.691360,-14.806220>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.943077,22.691360,-14.806220>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.858547,22.589323,-14.313543>,0.062425
<7.458878,22.801573,-14.738041>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.458878,22.801573,-14.738041>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.626863,21.800304,-12.735504>,0.176643
<4.873385,22.395462,-14.172343>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.873385,22.395462,-14.172343>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<4.873385,22.395462,-14.172343>,0.124887
<4.349314,22.657497,-14.913492>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.349314,22.657497,-14.913492>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.349314,22.657497,-14.913492>,0.088295
<4.443236,22.770872,-15.460911>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.443236,22.770872,-15.460911>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.443236,22.770872,-15.460911>,0.062425
<4.248880,22.819460,-15.735771>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.248880,22.819460,-15.735771>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.443236,22.770872,-15.460911>,0.062425
<4.527766,22.872908,-15.953588>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.527766,22.872908,-15.953588>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.349314,22.657497,-14.913492>,0.088295
<3.877649,22.893330,-15.580527>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.877649,22.893330,-15.580527>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.877649,22.893330,-15.580527>,0.062425
<3.384973,22.995367,-15.665057>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.384973,22.995367,-15.665057>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.877649,22.893330,-15.580527>,0.062425
<3.453151,23.105579,-16.180859>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.453151,23.105579,-16.180859>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.873385,22.395462,-14.172343>,0.124887
<5.095256,22.931105,-15.465497>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.095256,22.931105,-15.465497>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.095256,22.931105,-15.465497>,0.088295
<5.762290,23.166937,-15.937162>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.762290,23.166937,-15.937162>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.762290,23.166937,-15.937162>,0.062425
<5.846820,23.268972,-16.429838>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.846820,23.268972,-16.429838>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.762290,23.166937,-15.937162>,0.062425
<6.362622,23.379185,-16.361660>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.362622,23.379185,-16.361660>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.095256,22.931105,-15.465497>,0.088295
<5.294939,23.413181,-16.629337>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.294939,23.413181,-16.629337>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.294939,23.413181,-16.629337>,0.062425
<4.870441,23.625431,-17.229668>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.870441,23.625431,-17.229668>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.294939,23.413181,-16.629337>,0.062425
<5.474654,23.847052,-17.676792>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.474654,23.847052,-17.676792>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.352949,21.139017,-11.139017>,0.249849
<6.208680,22.451218,-12.451218>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.208680,22.451218,-12.451218>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<6.208680,22.451218,-12.451218>,0.176643
<7.645519,23.046375,-12.204695>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.645519,23.046375,-12.204695>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<7.645519,23.046375,-12.204695>,0.124887
<8.386668,23.308411,-12.728766>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.386668,23.308411,-12.728766>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.386668,23.308411,-12.728766>,0.088295
<8.934087,23.421785,-12.634845>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.934087,23.421785,-12.634845>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.934087,23.421785,-12.634845>,0.062425
<9.208947,23.470373,-12.829200>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.208947,23.470373,-12.829200>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.934087,23.421785,-12.634845>,0.062425
<9.426764,23.523823,-12.550315>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.426764,23.523823,-12.550315>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.386668,23.308411,-12.728766>,0.088295
<9.053702,23.544243,-13.200431>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.053702,23.544243,-13.200431>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.053702,23.544243,-13.200431>,0.062425
<9.138232,23.646280,-13.693108>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.138232,23.646280,-13.693108>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.053702,23.544243,-13.200431>,0.062425
<9.654034,23.756493,-13.624929>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.654034,23.756493,-13.624929>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.645519,23.046375,-12.204695>,0.124887
<8.938673,23.582018,-11.982824>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.938673,23.582018,-11.982824>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.938673,23.582018,-11.982824>,0.088295
<9.410337,23.817850,-11.315790>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.410337,23.817850,-11.315790>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.410337,23.817850,-11.315790>,0.062425
<9.903014,23.919886,-11.231260>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.903014,23.919886,-11.231260>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.410337,23.817850,-11.315790>,0.062425
<9.834836,24.030098,-10.715459>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.834836,24.030098,-10.715459>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.938673,23.582018,-11.982824>,0.088295
<10.102512,24.064095,-11.783141>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.102512,24.064095,-11.783141>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.102512,24.064095,-11.783141>,0.062425
<10.702844,24.276344,-12.207640>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.702844,24.276344,-12.207640>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.102512,24.064095,-11.783141>,0.062425
<11.149967,24.497965,-11.603426>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.149967,24.497965,-11.603426>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.208680,22.451218,-12.451218>,0.176643
<7.878838,23.632196,-13.632197>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.878838,23.632196,-13.632197>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<7.878838,23.632196,-13.632197>,0.124887
<8.100708,24.167839,-14.925352>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.100708,24.167839,-14.925352>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.100708,24.167839,-14.925352>,0.088295
<8.767743,24.403671,-15.397017>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.767743,24.403671,-15.397017>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.767743,24.403671,-15.397017>,0.062425
<8.852273,24.505709,-15.889693>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.852273,24.505709,-15.889693>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.767743,24.403671,-15.397017>,0.062425
<9.368074,24.615921,-15.821515>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.368074,24.615921,-15.821515>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.100708,24.167839,-14.925352>,0.088295
<8.300391,24.649918,-16.089191>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.300391,24.649918,-16.089191>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.300391,24.649918,-16.089191>,0.062425
<7.875894,24.862167,-16.689522>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.875894,24.862167,-16.689522>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.300391,24.649918,-16.089191>,0.062425
<8.480106,25.083788,-17.136646>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.480106,25.083788,-17.136646>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.878838,23.632196,-13.632197>,0.124887
<9.381980,24.695080,-14.695079>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.381980,24.695080,-14.695079>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.381980,24.695080,-14.695079>,0.088295
<10.545819,25.177156,-14.495396>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.545819,25.177156,-14.495396>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.545819,25.177156,-14.495396>,0.062425
<11.146151,25.389406,-14.919894>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.146151,25.389406,-14.919894>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.545819,25.177156,-14.495396>,0.062425
<11.593274,25.611027,-14.315681>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.593274,25.611027,-14.315681>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.381980,24.695080,-14.695079>,0.088295
<10.734808,25.651672,-15.651673>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.734808,25.651672,-15.651673>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.734808,25.651672,-15.651673>,0.062425
<10.914523,26.085543,-16.699127>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.914523,26.085543,-16.699127>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.734808,25.651672,-15.651673>,0.062425
<11.952353,26.512608,-16.512608>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.952353,26.512608,-16.512608>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.061018,-8.061017>,0.499849
<0.000000,21.497557,-11.497557>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.497557,-11.497557>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.497557,-11.497557>,0.353393
<-2.061924,22.955557,-12.955557>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.061924,22.955557,-12.955557>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.061924,22.955557,-12.955557>,0.249849
<-3.658411,23.616842,-12.681643>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.658411,23.616842,-12.681643>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.658411,23.616842,-12.681643>,0.176643
<-4.481910,23.907993,-13.263945>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.481910,23.907993,-13.263945>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.481910,23.907993,-13.263945>,0.124887
<-5.090153,24.033966,-13.159587>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.090153,24.033966,-13.159587>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.090153,24.033966,-13.159587>,0.088295
<-5.395553,24.087954,-13.375537>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.395553,24.087954,-13.375537>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.395553,24.087954,-13.375537>,0.062425
<-5.617881,24.110975,-13.337392>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.617881,24.110975,-13.337392>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.395553,24.087954,-13.375537>,0.062425
<-5.670413,24.136541,-13.569893>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.670413,24.136541,-13.569893>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.090153,24.033966,-13.159587>,0.088295
<-5.637571,24.147339,-13.065664>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637571,24.147339,-13.065664>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637571,24.147339,-13.065664>,0.062425
<-5.831927,24.195929,-12.790804>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.831927,24.195929,-12.790804>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637571,24.147339,-13.065664>,0.062425
<-6.130248,24.249376,-12.981134>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.130248,24.249376,-12.981134>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.481910,23.907993,-13.263945>,0.124887
<-5.223060,24.170031,-13.788016>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.223060,24.170031,-13.788016>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.223060,24.170031,-13.788016>,0.088295
<-5.316982,24.283403,-14.335435>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.316982,24.283403,-14.335435>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.316982,24.283403,-14.335435>,0.062425
<-5.591842,24.331993,-14.529791>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.591842,24.331993,-14.529791>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.316982,24.283403,-14.335435>,0.062425
<-5.401512,24.385441,-14.828112>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.401512,24.385441,-14.828112>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.223060,24.170031,-13.788016>,0.088295
<-5.890094,24.405863,-14.259681>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.890094,24.405863,-14.259681>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.890094,24.405863,-14.259681>,0.062425
<-6.382771,24.507898,-14.175151>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.382771,24.507898,-14.175151>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.890094,24.405863,-14.259681>,0.062425
<-6.490426,24.618111,-14.684179>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.490426,24.618111,-14.684179>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.658411,23.616842,-12.681643>,0.176643
<-5.095249,24.212002,-12.435120>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.095249,24.212002,-12.435120>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.095249,24.212002,-12.435120>,0.124887
<-5.619321,24.474037,-11.693971>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.619321,24.474037,-11.693971>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.619321,24.474037,-11.693971>,0.088295
<-6.166739,24.587412,-11.600048>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.166739,24.587412,-11.600048>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.166739,24.587412,-11.600048>,0.062425
<-6.361095,24.636000,-11.325188>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.361095,24.636000,-11.325188>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.166739,24.587412,-11.600048>,0.062425
<-6.659416,24.689447,-11.515518>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.659416,24.689447,-11.515518>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.619321,24.474037,-11.693971>,0.088295
<-6.090986,24.709869,-11.026936>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.090986,24.709869,-11.026936>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.090986,24.709869,-11.026936>,0.062425
<-6.006456,24.811907,-10.534259>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.006456,24.811907,-10.534259>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.090986,24.709869,-11.026936>,0.062425
<-6.515484,24.922119,-10.426604>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.515484,24.922119,-10.426604>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.095249,24.212002,-12.435120>,0.124887
<-6.388404,24.747643,-12.213250>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.388404,24.747643,-12.213250>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.388404,24.747643,-12.213250>,0.088295
<-7.055439,24.983475,-12.684915>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.055439,24.983475,-12.684915>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.055439,24.983475,-12.684915>,0.062425
<-7.548115,25.085512,-12.600385>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.548115,25.085512,-12.600385>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.055439,24.983475,-12.684915>,0.062425
<-7.655769,25.195724,-13.109413>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.655769,25.195724,-13.109413>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.388404,24.747643,-12.213250>,0.088295
<-7.552243,25.229721,-12.013567>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.552243,25.229721,-12.013567>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.552243,25.229721,-12.013567>,0.062425
<-7.976741,25.441971,-11.413236>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.976741,25.441971,-11.413236>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.552243,25.229721,-12.013567>,0.062425
<-8.599698,25.663591,-11.833852>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.599698,25.663591,-11.833852>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.061924,22.955557,-12.955557>,0.249849
<-3.917655,24.267757,-14.267756>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.917655,24.267757,-14.267756>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.917655,24.267757,-14.267756>,0.176643
<-4.164177,24.862915,-15.704595>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.164177,24.862915,-15.704595>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164177,24.862915,-15.704595>,0.124887
<-4.905327,25.124950,-16.228666>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.905327,25.124950,-16.228666>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.905327,25.124950,-16.228666>,0.088295
<-4.999249,25.238325,-16.776085>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.999249,25.238325,-16.776085>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.999249,25.238325,-16.776085>,0.062425
<-5.274109,25.286913,-16.970442>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.274109,25.286913,-16.970442>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.999249,25.238325,-16.776085>,0.062425
<-5.083779,25.340361,-17.268763>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.083779,25.340361,-17.268763>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.905327,25.124950,-16.228666>,0.088295
<-5.572361,25.360783,-16.700331>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.572361,25.360783,-16.700331>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.572361,25.360783,-16.700331>,0.062425
<-6.065038,25.462820,-16.615801>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.065038,25.462820,-16.615801>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.572361,25.360783,-16.700331>,0.062425
<-6.172692,25.573032,-17.124830>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.172692,25.573032,-17.124830>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164177,24.862915,-15.704595>,0.124887
<-4.386047,25.398558,-16.997749>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.386047,25.398558,-16.997749>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.386047,25.398558,-16.997749>,0.088295
<-3.914383,25.634390,-17.664783>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.914383,25.634390,-17.664783>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.914383,25.634390,-17.664783>,0.062425
<-3.998913,25.736425,-18.157461>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.998913,25.736425,-18.157461>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.914383,25.634390,-17.664783>,0.062425
<-3.489884,25.846638,-18.265116>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.489884,25.846638,-18.265116>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.386047,25.398558,-16.997749>,0.088295
<-4.585731,25.880634,-18.161589>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.585731,25.880634,-18.161589>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.585731,25.880634,-18.161589>,0.062425
<-5.186062,26.092884,-18.586086>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.186062,26.092884,-18.586086>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.585731,25.880634,-18.161589>,0.062425
<-4.765446,26.314505,-19.209044>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.765446,26.314505,-19.209044>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.917655,24.267757,-14.267756>,0.176643
<-5.587812,25.448736,-15.448736>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.587812,25.448736,-15.448736>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.587812,25.448736,-15.448736>,0.124887
<-6.880968,25.984379,-15.226867>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.880968,25.984379,-15.226867>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.880968,25.984379,-15.226867>,0.088295
<-7.548002,26.220211,-15.698531>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.548002,26.220211,-15.698531>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.548002,26.220211,-15.698531>,0.062425
<-8.040679,26.322248,-15.614001>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.040679,26.322248,-15.614001>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.548002,26.220211,-15.698531>,0.062425
<-8.148334,26.432461,-16.123030>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.148334,26.432461,-16.123030>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.880968,25.984379,-15.226867>,0.088295
<-8.044806,26.466457,-15.027184>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.044806,26.466457,-15.027184>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.044806,26.466457,-15.027184>,0.062425
<-8.469305,26.678705,-14.426852>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.469305,26.678705,-14.426852>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.044806,26.466457,-15.027184>,0.062425
<-9.092262,26.900328,-14.847468>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.092262,26.900328,-14.847468>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.587812,25.448736,-15.448736>,0.124887
<-7.090955,26.511620,-16.511620>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.090955,26.511620,-16.511620>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.090955,26.511620,-16.511620>,0.088295
<-7.290638,26.993696,-17.675457>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.290638,26.993696,-17.675457>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.290638,26.993696,-17.675457>,0.062425
<-7.890969,27.205946,-18.099957>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.890969,27.205946,-18.099957>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.290638,26.993696,-17.675457>,0.062425
<-7.470353,27.427567,-18.722914>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.470353,27.427567,-18.722914>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.090955,26.511620,-16.511620>,0.088295
<-8.443783,27.468212,-17.468212>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.443783,27.468212,-17.468212>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.443783,27.468212,-17.468212>,0.062425
<-9.491239,27.902082,-17.288498>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.491239,27.902082,-17.288498>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.443783,27.468212,-17.468212>,0.062425
<-9.661328,28.329147,-18.329147>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.661328,28.329147,-18.329147>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.497557,-11.497557>,0.353393
<0.000000,24.590441,-14.590442>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,24.590441,-14.590442>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.590441,-14.590442>,0.249849
<1.855731,25.902641,-15.902641>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855731,25.902641,-15.902641>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855731,25.902641,-15.902641>,0.176643
<3.292570,26.497799,-15.656119>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.292570,26.497799,-15.656119>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<3.292570,26.497799,-15.656119>,0.124887
<4.033719,26.759836,-16.180191>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.033719,26.759836,-16.180191>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.033719,26.759836,-16.180191>,0.088295
<4.581138,26.873209,-16.086269>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.581138,26.873209,-16.086269>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.581138,26.873209,-16.086269>,0.062425
<4.855998,26.921799,-16.280624>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.855998,26.921799,-16.280624>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.581138,26.873209,-16.086269>,0.062425
<5.073814,26.975246,-16.001740>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.073814,26.975246,-16.001740>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.033719,26.759836,-16.180191>,0.088295
<4.700754,26.995668,-16.651855>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.700754,26.995668,-16.651855>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.700754,26.995668,-16.651855>,0.062425
<4.785284,27.097704,-17.144533>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.785284,27.097704,-17.144533>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.700754,26.995668,-16.651855>,0.062425
<5.301085,27.207916,-17.076353>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.301085,27.207916,-17.076353>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.292570,26.497799,-15.656119>,0.124887
<4.585724,27.033442,-15.434249>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.585724,27.033442,-15.434249>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.585724,27.033442,-15.434249>,0.088295
<5.057389,27.269274,-14.767214>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.057389,27.269274,-14.767214>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.057389,27.269274,-14.767214>,0.062425
<5.550066,27.371311,-14.682684>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.550066,27.371311,-14.682684>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.057389,27.269274,-14.767214>,0.062425
<5.481887,27.481524,-14.166883>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.481887,27.481524,-14.166883>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.585724,27.033442,-15.434249>,0.088295
<5.749564,27.515520,-15.234566>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.749564,27.515520,-15.234566>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.749564,27.515520,-15.234566>,0.062425
<6.349895,27.727768,-15.659064>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.349895,27.727768,-15.659064>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.749564,27.515520,-15.234566>,0.062425
<6.797019,27.949390,-15.054851>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.797019,27.949390,-15.054851>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855731,25.902641,-15.902641>,0.176643
<3.525889,27.083622,-17.083622>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.525889,27.083622,-17.083622>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<3.525889,27.083622,-17.083622>,0.124887
<3.747760,27.619265,-18.376776>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.747760,27.619265,-18.376776>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.747760,27.619265,-18.376776>,0.088295
<4.414794,27.855097,-18.848442>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.414794,27.855097,-18.848442>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.414794,27.855097,-18.848442>,0.062425
<4.499324,27.957132,-19.341118>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.499324,27.957132,-19.341118>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.414794,27.855097,-18.848442>,0.062425
<5.015125,28.067345,-19.272940>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.015125,28.067345,-19.272940>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.747760,27.619265,-18.376776>,0.088295
<3.947443,28.101341,-19.540615>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.947443,28.101341,-19.540615>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.947443,28.101341,-19.540615>,0.062425
<3.522944,28.313591,-20.140947>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.522944,28.313591,-20.140947>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.947443,28.101341,-19.540615>,0.062425
<4.127158,28.535212,-20.588072>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.127158,28.535212,-20.588072>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.525889,27.083622,-17.083622>,0.124887
<5.029031,28.146503,-18.146503>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.029031,28.146503,-18.146503>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.029031,28.146503,-18.146503>,0.088295
<6.192871,28.628582,-17.946821>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.192871,28.628582,-17.946821>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.192871,28.628582,-17.946821>,0.062425
<6.793202,28.840832,-18.371319>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.793202,28.840832,-18.371319>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.192871,28.628582,-17.946821>,0.062425
<7.240326,29.062452,-17.767105>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.240326,29.062452,-17.767105>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.029031,28.146503,-18.146503>,0.088295
<6.381859,29.103098,-19.103098>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.381859,29.103098,-19.103098>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.381859,29.103098,-19.103098>,0.062425
<6.561574,29.536968,-20.150553>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.561574,29.536968,-20.150553>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.381859,29.103098,-19.103098>,0.062425
<7.599405,29.964031,-19.964031>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.599405,29.964031,-19.964031>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.590441,-14.590442>,0.249849
<0.000000,27.374039,-17.374039>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.374039,-17.374039>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.374039,-17.374039>,0.176643
<-1.670158,28.555017,-18.555017>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.670158,28.555017,-18.555017>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.670158,28.555017,-18.555017>,0.124887
<-2.963313,29.090660,-18.333147>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.963313,29.090660,-18.333147>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.963313,29.090660,-18.333147>,0.088295
<-3.630347,29.326492,-18.804813>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.630347,29.326492,-18.804813>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.630347,29.326492,-18.804813>,0.062425
<-4.123024,29.428530,-18.720282>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.123024,29.428530,-18.720282>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.630347,29.326492,-18.804813>,0.062425
<-4.230678,29.538742,-19.229311>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.230678,29.538742,-19.229311>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.963313,29.090660,-18.333147>,0.088295
<-4.127151,29.572739,-18.133465>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.127151,29.572739,-18.133465>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.127151,29.572739,-18.133465>,0.062425
<-4.551650,29.784986,-17.533133>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.551650,29.784986,-17.533133>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.127151,29.572739,-18.133465>,0.062425
<-5.174607,30.006609,-17.953749>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.174607,30.006609,-17.953749>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.670158,28.555017,-18.555017>,0.124887
<-3.173300,29.617901,-19.617901>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.173300,29.617901,-19.617901>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.173300,29.617901,-19.617901>,0.088295
<-3.372983,30.099977,-20.781738>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.372983,30.099977,-20.781738>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.372983,30.099977,-20.781738>,0.062425
<-3.973314,30.312227,-21.206238>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.973314,30.312227,-21.206238>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.372983,30.099977,-20.781738>,0.062425
<-3.552698,30.533848,-21.829195>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.552698,30.533848,-21.829195>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.173300,29.617901,-19.617901>,0.088295
<-4.526128,30.574493,-20.574493>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.526128,30.574493,-20.574493>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.526128,30.574493,-20.574493>,0.062425
<-5.573583,31.008364,-20.394779>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.573583,31.008364,-20.394779>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.526128,30.574493,-20.574493>,0.062425
<-5.743673,31.435429,-21.435429>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.743673,31.435429,-21.435429>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.374039,-17.374039>,0.176643
<0.000000,29.879274,-19.879274>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.879274,-19.879274>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.879274,-19.879274>,0.124887
<1.503142,30.942158,-20.942158>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.503142,30.942158,-20.942158>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<1.503142,30.942158,-20.942158>,0.088295
<2.666981,31.424234,-20.742474>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.666981,31.424234,-20.742474>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.666981,31.424234,-20.742474>,0.062425
<3.267312,31.636484,-21.166971>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.267312,31.636484,-21.166971>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.666981,31.424234,-20.742474>,0.062425
<3.714436,31.858105,-20.562759>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.714436,31.858105,-20.562759>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.503142,30.942158,-20.942158>,0.088295
<2.855970,31.898750,-21.898750>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.855970,31.898750,-21.898750>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.855970,31.898750,-21.898750>,0.062425
<3.035685,32.332623,-22.946205>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035685,32.332623,-22.946205>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.855970,31.898750,-21.898750>,0.062425
<4.073515,32.759686,-22.759686>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.073515,32.759686,-22.759686>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.879274,-19.879274>,0.124887
<0.000000,32.133987,-22.133987>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,32.133987,-22.133987>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.133987,-22.133987>,0.088295
<-1.352828,33.090580,-23.090582>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.352828,33.090580,-23.090582>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.352828,33.090580,-23.090582>,0.062425
<-2.400283,33.524452,-22.910868>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.400283,33.524452,-22.910868>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.352828,33.090580,-23.090582>,0.062425
<-2.570373,33.951515,-23.951515>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.570373,33.951515,-23.951515>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.133987,-22.133987>,0.088295
<0.000000,34.163231,-24.163229>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,34.163231,-24.163229>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.163231,-24.163229>,0.062425
<1.217545,35.024162,-25.024164>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.217545,35.024162,-25.024164>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.163231,-24.163229>,0.062425
<0.000000,35.989548,-25.989548>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,35.989548,-25.989548>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,1.000000
<0.000000,19.000000,-0.000000>,0.707000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.707000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.707000
<-2.579658,22.818377,2.815203>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.579658,22.818377,2.815203>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.579658,22.818377,2.815203>,0.499849
<-1.984993,24.438377,5.557386>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.984993,24.438377,5.557386>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.984993,24.438377,5.557386>,0.353393
<-0.471540,25.173140,6.531409>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.471540,25.173140,6.531409>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.471540,25.173140,6.531409>,0.249849
<-0.234040,25.496641,7.626594>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.234040,25.496641,7.626594>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.234040,25.496641,7.626594>,0.176643
<0.342568,25.636608,7.997685>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.342568,25.636608,7.997685>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342568,25.636608,7.997685>,0.124887
<0.430646,25.696594,8.403842>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.430646,25.696594,8.403842>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.430646,25.696594,8.403842>,0.088295
<0.641410,25.722176,8.539485>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.641410,25.722176,8.539485>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.641410,25.722176,8.539485>,0.062425
<0.673364,25.733057,8.686833>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.673364,25.733057,8.686833>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.641410,25.722176,8.539485>,0.062425
<0.831098,25.745199,8.661564>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.831098,25.745199,8.661564>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.430646,25.696594,8.403842>,0.088295
<0.509917,25.750582,8.769382>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.509917,25.750582,8.769382>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.509917,25.750582,8.769382>,0.062425
<0.387838,25.773605,8.959071>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.387838,25.773605,8.959071>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.509917,25.750582,8.769382>,0.062425
<0.581260,25.799171,9.098370>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.581260,25.799171,9.098370>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.342568,25.636608,7.997685>,0.124887
<0.861514,25.762581,8.331668>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.861514,25.762581,8.331668>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.861514,25.762581,8.331668>,0.088295
<1.227055,25.816568,8.252397>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.227055,25.816568,8.252397>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.227055,25.816568,8.252397>,0.062425
<1.416743,25.839590,8.374475>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.416743,25.839590,8.374475>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.227055,25.816568,8.252397>,0.062425
<1.556042,25.865156,8.181053>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.556042,25.865156,8.181053>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.861514,25.762581,8.331668>,0.088295
<1.328566,25.875954,8.632252>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.328566,25.875954,8.632252>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.328566,25.875954,8.632252>,0.062425
<1.399910,25.924543,8.961238>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.399910,25.924543,8.961238>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.328566,25.875954,8.632252>,0.062425
<1.748913,25.977991,8.902777>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.748913,25.977991,8.902777>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.234040,25.496641,7.626594>,0.176643
<-0.020290,25.787792,8.612261>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.020290,25.787792,8.612261>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.020290,25.787792,8.612261>,0.124887
<-0.354272,25.913763,9.131207>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.354272,25.913763,9.131207>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.354272,25.913763,9.131207>,0.088295
<-0.275002,25.967751,9.496748>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.275002,25.967751,9.496748>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.275002,25.967751,9.496748>,0.062425
<-0.397080,25.990774,9.686436>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.397080,25.990774,9.686436>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.275002,25.967751,9.496748>,0.062425
<-0.203658,26.016340,9.825735>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.203658,26.016340,9.825735>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.354272,25.913763,9.131207>,0.088295
<-0.654856,26.027138,9.598260>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.654856,26.027138,9.598260>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.654856,26.027138,9.598260>,0.062425
<-0.983843,26.075726,9.669603>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.983843,26.075726,9.669603>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.654856,26.027138,9.598260>,0.062425
<-0.925381,26.129173,10.018606>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.925381,26.129173,10.018606>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.020290,25.787792,8.612261>,0.124887
<0.172085,26.049828,9.499360>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.172085,26.049828,9.499360>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.172085,26.049828,9.499360>,0.088295
<0.639137,26.163202,9.799944>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.639137,26.163202,9.799944>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.639137,26.163202,9.799944>,0.062425
<0.710481,26.211790,10.128931>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.710481,26.211790,10.128931>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.639137,26.163202,9.799944>,0.062425
<1.059484,26.265238,10.070470>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.059484,26.265238,10.070470>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.172085,26.049828,9.499360>,0.088295
<0.345222,26.285660,10.297750>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.345222,26.285660,10.297750>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.345222,26.285660,10.297750>,0.062425
<0.074697,26.387697,10.718097>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.074697,26.387697,10.718097>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.345222,26.285660,10.297750>,0.062425
<0.501046,26.497910,11.016300>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.501046,26.497910,11.016300>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.471540,25.173140,6.531409>,0.249849
<0.890568,25.834427,7.408030>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.890568,25.834427,7.408030>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<0.890568,25.834427,7.408030>,0.176643
<1.876234,26.125578,7.194280>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.876234,26.125578,7.194280>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<1.876234,26.125578,7.194280>,0.124887
<2.395181,26.251549,7.528262>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.395181,26.251549,7.528262>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.395181,26.251549,7.528262>,0.088295
<2.760722,26.305536,7.448992>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.760722,26.305536,7.448992>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.760722,26.305536,7.448992>,0.062425
<2.950409,26.328560,7.571070>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.950409,26.328560,7.571070>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.760722,26.305536,7.448992>,0.062425
<3.089709,26.354126,7.377648>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.089709,26.354126,7.377648>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.395181,26.251549,7.528262>,0.088295
<2.862233,26.364923,7.828846>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.862233,26.364923,7.828846>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.862233,26.364923,7.828846>,0.062425
<2.933576,26.413511,8.157833>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.933576,26.413511,8.157833>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.862233,26.364923,7.828846>,0.062425
<3.282580,26.466959,8.099372>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.282580,26.466959,8.099372>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.876234,26.125578,7.194280>,0.124887
<2.763334,26.387613,7.001905>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.763334,26.387613,7.001905>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.763334,26.387613,7.001905>,0.088295
<3.063917,26.500988,6.534853>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.063917,26.500988,6.534853>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.063917,26.500988,6.534853>,0.062425
<3.392904,26.549576,6.463510>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.392904,26.549576,6.463510>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.063917,26.500988,6.534853>,0.062425
<3.334443,26.603024,6.114506>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.334443,26.603024,6.114506>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.763334,26.387613,7.001905>,0.088295
<3.561723,26.623446,6.828768>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.561723,26.623446,6.828768>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.561723,26.623446,6.828768>,0.062425
<3.982070,26.725483,7.099293>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.982070,26.725483,7.099293>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.561723,26.623446,6.828768>,0.062425
<4.280274,26.835695,6.672944>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.280274,26.835695,6.672944>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.890568,25.834427,7.408030>,0.176643
<2.116464,26.429585,8.196989>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.116464,26.429585,8.196989>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<2.116464,26.429585,8.196989>,0.124887
<2.308839,26.691620,9.084088>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.308839,26.691620,9.084088>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.308839,26.691620,9.084088>,0.088295
<2.775891,26.804995,9.384672>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.775891,26.804995,9.384672>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.775891,26.804995,9.384672>,0.062425
<2.847235,26.853582,9.713659>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.847235,26.853582,9.713659>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.775891,26.804995,9.384672>,0.062425
<3.196238,26.907030,9.655198>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.196238,26.907030,9.655198>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.308839,26.691620,9.084088>,0.088295
<2.481977,26.927452,9.882478>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.481977,26.927452,9.882478>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.481977,26.927452,9.882478>,0.062425
<2.211451,27.029490,10.302825>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.211451,27.029490,10.302825>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.481977,26.927452,9.882478>,0.062425
<2.637800,27.139702,10.601028>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.637800,27.139702,10.601028>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.116464,26.429585,8.196989>,0.124887
<3.219771,26.965227,8.907051>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.219771,26.965227,8.907051>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.219771,26.965227,8.907051>,0.088295
<4.018161,27.201059,8.733914>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.018161,27.201059,8.733914>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.018161,27.201059,8.733914>,0.062425
<4.438508,27.303095,9.004439>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.438508,27.303095,9.004439>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.018161,27.201059,8.733914>,0.062425
<4.736712,27.413307,8.578091>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.736712,27.413307,8.578091>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.219771,26.965227,8.907051>,0.088295
<4.212748,27.447304,9.546108>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.212748,27.447304,9.546108>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.212748,27.447304,9.546108>,0.062425
<4.368571,27.659554,10.264659>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.368571,27.659554,10.264659>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.212748,27.447304,9.546108>,0.062425
<5.106426,27.881174,10.121259>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.106426,27.881174,10.121259>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.984993,24.438377,5.557386>,0.353393
<-1.449794,25.896378,8.025352>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.449794,25.896378,8.025352>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.449794,25.896378,8.025352>,0.249849
<-2.326414,26.557663,9.387460>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.326414,26.557663,9.387460>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.326414,26.557663,9.387460>,0.176643
<-2.112664,26.848814,10.373126>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.112664,26.848814,10.373126>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.112664,26.848814,10.373126>,0.124887
<-2.446646,26.974785,10.892073>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.446646,26.974785,10.892073>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.446646,26.974785,10.892073>,0.088295
<-2.367376,27.028772,11.257613>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.367376,27.028772,11.257613>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.367376,27.028772,11.257613>,0.062425
<-2.489455,27.051796,11.447301>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.489455,27.051796,11.447301>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.367376,27.028772,11.257613>,0.062425
<-2.296032,27.077362,11.586600>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296032,27.077362,11.586600>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.446646,26.974785,10.892073>,0.088295
<-2.747230,27.088160,11.359124>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.747230,27.088160,11.359124>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.747230,27.088160,11.359124>,0.062425
<-3.076217,27.136749,11.430469>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.076217,27.136749,11.430469>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.747230,27.088160,11.359124>,0.062425
<-3.017756,27.190197,11.779471>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.017756,27.190197,11.779471>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.112664,26.848814,10.373126>,0.124887
<-1.920289,27.110849,11.260225>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.920289,27.110849,11.260225>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.920289,27.110849,11.260225>,0.088295
<-1.453237,27.224224,11.560809>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.453237,27.224224,11.560809>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.453237,27.224224,11.560809>,0.062425
<-1.381894,27.272814,11.889796>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.381894,27.272814,11.889796>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.453237,27.224224,11.560809>,0.062425
<-1.032890,27.326262,11.831335>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.032890,27.326262,11.831335>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.920289,27.110849,11.260225>,0.088295
<-1.747152,27.346682,12.058615>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.747152,27.346682,12.058615>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.747152,27.346682,12.058615>,0.062425
<-2.017677,27.448719,12.478962>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.017677,27.448719,12.478962>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.747152,27.346682,12.058615>,0.062425
<-1.591328,27.558931,12.777165>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.591328,27.558931,12.777165>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.326414,26.557663,9.387460>,0.176643
<-3.115373,27.152821,10.613356>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.115373,27.152821,10.613356>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.115373,27.152821,10.613356>,0.124887
<-4.002472,27.414858,10.805731>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.002472,27.414858,10.805731>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.002472,27.414858,10.805731>,0.088295
<-4.303056,27.528231,11.272783>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.303056,27.528231,11.272783>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.303056,27.528231,11.272783>,0.062425
<-4.632043,27.576820,11.344127>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.632043,27.576820,11.344127>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.303056,27.528231,11.272783>,0.062425
<-4.573582,27.630268,11.693130>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.573582,27.630268,11.693130>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.002472,27.414858,10.805731>,0.088295
<-4.800862,27.650690,10.978868>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.800862,27.650690,10.978868>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.800862,27.650690,10.978868>,0.062425
<-5.221209,27.752726,10.708343>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.221209,27.752726,10.708343>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.800862,27.650690,10.978868>,0.062425
<-5.519413,27.862938,11.134692>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.519413,27.862938,11.134692>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.115373,27.152821,10.613356>,0.124887
<-3.825435,27.688463,11.716662>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.825435,27.688463,11.716662>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.825435,27.688463,11.716662>,0.088295
<-3.652298,27.924295,12.515053>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.652298,27.924295,12.515053>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.652298,27.924295,12.515053>,0.062425
<-3.922823,28.026333,12.935399>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.922823,28.026333,12.935399>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.652298,27.924295,12.515053>,0.062425
<-3.496474,28.136545,13.233603>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.496474,28.136545,13.233603>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.825435,27.688463,11.716662>,0.088295
<-4.464492,28.170542,12.709639>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.464492,28.170542,12.709639>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.464492,28.170542,12.709639>,0.062425
<-5.183043,28.382790,12.865462>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.183043,28.382790,12.865462>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.464492,28.170542,12.709639>,0.062425
<-5.039642,28.604412,13.603317>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.039642,28.604412,13.603317>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.449794,25.896378,8.025352>,0.249849
<-0.968115,27.208576,10.246521>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.968115,27.208576,10.246521>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.968115,27.208576,10.246521>,0.176643
<0.257782,27.803734,11.035480>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.257782,27.803734,11.035480>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<0.257782,27.803734,11.035480>,0.124887
<0.450157,28.065771,11.922579>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.450157,28.065771,11.922579>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.450157,28.065771,11.922579>,0.088295
<0.917209,28.179144,12.223163>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.917209,28.179144,12.223163>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.917209,28.179144,12.223163>,0.062425
<0.988552,28.227734,12.552150>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.988552,28.227734,12.552150>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.917209,28.179144,12.223163>,0.062425
<1.337556,28.281181,12.493689>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.337556,28.281181,12.493689>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.450157,28.065771,11.922579>,0.088295
<0.623294,28.301603,12.720969>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.623294,28.301603,12.720969>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.623294,28.301603,12.720969>,0.062425
<0.352769,28.403639,13.141315>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.352769,28.403639,13.141315>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.623294,28.301603,12.720969>,0.062425
<0.779118,28.513851,13.439520>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.779118,28.513851,13.439520>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.257782,27.803734,11.035480>,0.124887
<1.361089,28.339376,11.745543>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.361089,28.339376,11.745543>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<1.361089,28.339376,11.745543>,0.088295
<2.159478,28.575209,11.572405>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.159478,28.575209,11.572405>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.159478,28.575209,11.572405>,0.062425
<2.579825,28.677246,11.842930>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.579825,28.677246,11.842930>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.159478,28.575209,11.572405>,0.062425
<2.878029,28.787458,11.416581>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.878029,28.787458,11.416581>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.361089,28.339376,11.745543>,0.088295
<2.354065,28.821455,12.384599>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.354065,28.821455,12.384599>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.354065,28.821455,12.384599>,0.062425
<2.509889,29.033703,13.103149>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.509889,29.033703,13.103149>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.354065,28.821455,12.384599>,0.062425
<3.247744,29.255325,12.959749>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.247744,29.255325,12.959749>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.968115,27.208576,10.246521>,0.176643
<-0.534604,28.389557,12.245573>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.534604,28.389557,12.245573>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.534604,28.389557,12.245573>,0.124887
<-1.244666,28.925200,13.348880>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.244666,28.925200,13.348880>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.244666,28.925200,13.348880>,0.088295
<-1.071529,29.161032,14.147270>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.071529,29.161032,14.147270>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.071529,29.161032,14.147270>,0.062425
<-1.342054,29.263067,14.567616>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.342054,29.263067,14.567616>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.071529,29.161032,14.147270>,0.062425
<-0.915705,29.373280,14.865821>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.915705,29.373280,14.865821>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.244666,28.925200,13.348880>,0.088295
<-1.883723,29.407276,14.341856>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.883723,29.407276,14.341856>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.883723,29.407276,14.341856>,0.062425
<-2.602273,29.619526,14.497680>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.602273,29.619526,14.497680>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.883723,29.407276,14.341856>,0.062425
<-2.458874,29.841146,15.235535>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.458874,29.841146,15.235535>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.534604,28.389557,12.245573>,0.124887
<-0.144444,29.452438,14.044720>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.144444,29.452438,14.044720>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.144444,29.452438,14.044720>,0.088295
<0.848532,29.934517,14.683776>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.848532,29.934517,14.683776>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.848532,29.934517,14.683776>,0.062425
<1.004356,30.146765,15.402327>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.004356,30.146765,15.402327>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.848532,29.934517,14.683776>,0.062425
<1.742211,30.368387,15.258927>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.742211,30.368387,15.258927>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.144444,29.452438,14.044720>,0.088295
<0.206700,30.409033,15.663952>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.206700,30.409033,15.663952>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.206700,30.409033,15.663952>,0.062425
<-0.368451,30.842903,16.557631>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.368451,30.842903,16.557631>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.206700,30.409033,15.663952>,0.062425
<0.522730,31.269966,17.121262>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.522730,31.269966,17.121262>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.579658,22.818377,2.815203>,0.499849
<-4.901350,26.254915,5.348885>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.901350,26.254915,5.348885>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.901350,26.254915,5.348885>,0.353393
<-7.406570,27.712915,5.030820>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.406570,27.712915,5.030820>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.406570,27.712915,5.030820>,0.249849
<-8.398570,28.374203,3.750299>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.398570,28.374203,3.750299>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.398570,28.374203,3.750299>,0.176643
<-9.399116,28.665354,3.623268>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.399116,28.665354,3.623268>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.399116,28.665354,3.623268>,0.124887
<-9.777056,28.791325,3.135405>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.777056,28.791325,3.135405>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.777056,28.791325,3.135405>,0.088295
<-10.148114,28.845312,3.088295>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.148114,28.845312,3.088295>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.148114,28.845312,3.088295>,0.062425
<-10.286262,28.868336,2.909969>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.286262,28.868336,2.909969>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.148114,28.845312,3.088295>,0.062425
<-10.482068,28.893902,3.045896>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.482068,28.893902,3.045896>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.777056,28.791325,3.135405>,0.088295
<-10.117202,28.904699,2.696327>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.117202,28.904699,2.696327>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.117202,28.904699,2.696327>,0.062425
<-10.074803,28.953287,2.362375>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.074803,28.953287,2.362375>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.117202,28.904699,2.696327>,0.062425
<-10.423334,29.006735,2.301158>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.423334,29.006735,2.301158>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.399116,28.665354,3.623268>,0.124887
<-10.299606,28.927389,3.508941>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.299606,28.927389,3.508941>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.299606,28.927389,3.508941>,0.088295
<-10.738684,29.040764,3.849088>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.738684,29.040764,3.849088>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.738684,29.040764,3.849088>,0.062425
<-11.072637,29.089352,3.806689>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.072637,29.089352,3.806689>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.738684,29.040764,3.849088>,0.062425
<-11.133853,29.142799,4.155220>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.133853,29.142799,4.155220>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.299606,28.927389,3.508941>,0.088295
<-11.110047,29.163221,3.406047>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.110047,29.163221,3.406047>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.110047,29.163221,3.406047>,0.062425
<-11.416179,29.265259,3.010877>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.416179,29.265259,3.010877>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.110047,29.163221,3.406047>,0.062425
<-11.839445,29.375471,3.313442>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.839445,29.375471,3.313442>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.398570,28.374203,3.750299>,0.176643
<-9.291370,28.969360,2.597829>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.291370,28.969360,2.597829>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.291370,28.969360,2.597829>,0.124887
<-9.177044,29.231396,1.697338>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.177044,29.231396,1.697338>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.177044,29.231396,1.697338>,0.088295
<-9.517190,29.344770,1.258261>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.517190,29.344770,1.258261>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.517190,29.344770,1.258261>,0.062425
<-9.474791,29.393360,0.924308>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.474791,29.393360,0.924308>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.517190,29.344770,1.258261>,0.062425
<-9.823321,29.446808,0.863091>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.823321,29.446808,0.863091>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.177044,29.231396,1.697338>,0.088295
<-9.074149,29.467228,0.886897>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.074149,29.467228,0.886897>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.074149,29.467228,0.886897>,0.062425
<-8.678980,29.569265,0.580765>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.678980,29.569265,0.580765>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.074149,29.467228,0.886897>,0.062425
<-8.981544,29.679478,0.157499>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.981544,29.679478,0.157499>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.291370,28.969360,2.597829>,0.124887
<-10.094891,29.505003,1.560606>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.094891,29.505003,1.560606>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.094891,29.505003,1.560606>,0.088295
<-10.905333,29.740835,1.457712>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.905333,29.740835,1.457712>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.905333,29.740835,1.457712>,0.062425
<-11.211464,29.842871,1.062543>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.211464,29.842871,1.062543>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.905333,29.740835,1.457712>,0.062425
<-11.634729,29.953085,1.365107>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.634729,29.953085,1.365107>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.094891,29.505003,1.560606>,0.088295
<-10.818059,29.987082,0.627106>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.818059,29.987082,0.627106>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.818059,29.987082,0.627106>,0.062425
<-10.725454,30.199329,-0.102291>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.725454,30.199329,-0.102291>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.818059,29.987082,0.627106>,0.062425
<-11.468910,30.420950,-0.213044>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.468910,30.420950,-0.213044>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.406570,27.712915,5.030820>,0.249849
<-9.661268,29.025116,4.744562>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.661268,29.025116,4.744562>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.661268,29.025116,4.744562>,0.176643
<-10.813738,29.620274,5.637362>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.813738,29.620274,5.637362>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.813738,29.620274,5.637362>,0.124887
<-11.714229,29.882309,5.523035>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.714229,29.882309,5.523035>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.714229,29.882309,5.523035>,0.088295
<-12.153305,29.995684,5.863181>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.153305,29.995684,5.863181>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.153305,29.995684,5.863181>,0.062425
<-12.487259,30.044273,5.820782>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.487259,30.044273,5.820782>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.153305,29.995684,5.863181>,0.062425
<-12.548475,30.097721,6.169313>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.548475,30.097721,6.169313>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.714229,29.882309,5.523035>,0.088295
<-12.524670,30.118143,5.420140>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.524670,30.118143,5.420140>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.524670,30.118143,5.420140>,0.062425
<-12.830801,30.220179,5.024971>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.830801,30.220179,5.024971>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.524670,30.118143,5.420140>,0.062425
<-13.254067,30.330391,5.327536>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.254067,30.330391,5.327536>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.813738,29.620274,5.637362>,0.124887
<-11.850960,30.155916,6.440882>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.850960,30.155916,6.440882>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.850960,30.155916,6.440882>,0.088295
<-11.953855,30.391748,7.251324>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.953855,30.391748,7.251324>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.953855,30.391748,7.251324>,0.062425
<-12.349024,30.493786,7.557456>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.349024,30.493786,7.557456>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.953855,30.391748,7.251324>,0.062425
<-12.046459,30.603998,7.980721>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.046459,30.603998,7.980721>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.850960,30.155916,6.440882>,0.088295
<-12.784460,30.637995,7.164051>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.784460,30.637995,7.164051>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.784460,30.637995,7.164051>,0.062425
<-13.513858,30.850243,7.071445>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.513858,30.850243,7.071445>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.784460,30.637995,7.164051>,0.062425
<-13.624611,31.071865,7.814902>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.624611,31.071865,7.814902>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.661268,29.025116,4.744562>,0.176643
<-11.690496,30.206097,4.486929>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.690496,30.206097,4.486929>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.690496,30.206097,4.486929>,0.124887
<-12.494017,30.741737,3.449707>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.494017,30.741737,3.449707>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.494017,30.741737,3.449707>,0.088295
<-13.304459,30.977571,3.346812>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.304459,30.977571,3.346812>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.304459,30.977571,3.346812>,0.062425
<-13.610590,31.079607,2.951643>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.610590,31.079607,2.951643>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.304459,30.977571,3.346812>,0.062425
<-14.033855,31.189819,3.254207>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.033855,31.189819,3.254207>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.494017,30.741737,3.449707>,0.088295
<-13.217185,31.223816,2.516206>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.217185,31.223816,2.516206>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.217185,31.223816,2.516206>,0.062425
<-13.124580,31.436066,1.786809>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.124580,31.436066,1.786809>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.217185,31.223816,2.516206>,0.062425
<-13.868036,31.657686,1.676056>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.868036,31.657686,1.676056>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.690496,30.206097,4.486929>,0.124887
<-13.516802,31.268978,4.255060>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.516802,31.268978,4.255060>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.516802,31.268978,4.255060>,0.088295
<-14.450302,31.751057,4.978228>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.450302,31.751057,4.978228>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.450302,31.751057,4.978228>,0.062425
<-15.179700,31.963305,4.885623>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.179700,31.963305,4.885623>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.450302,31.751057,4.978228>,0.062425
<-15.290452,32.184925,5.629079>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.290452,32.184925,5.629079>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.516802,31.268978,4.255060>,0.088295
<-15.160477,32.225571,4.046377>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.160477,32.225571,4.046377>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.160477,32.225571,4.046377>,0.062425
<-15.811328,32.659443,3.206227>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.811328,32.659443,3.206227>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.160477,32.225571,4.046377>,0.062425
<-16.639784,33.086506,3.858563>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.639784,33.086506,3.858563>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.901350,26.254915,5.348885>,0.353393
<-6.990873,29.347801,7.629199>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.990873,29.347801,7.629199>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.990873,29.347801,7.629199>,0.249849
<-6.509194,30.660002,9.850368>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.509194,30.660002,9.850368>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.509194,30.660002,9.850368>,0.176643
<-5.283297,31.255159,10.639327>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.283297,31.255159,10.639327>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.283297,31.255159,10.639327>,0.124887
<-5.090922,31.517195,11.526426>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.090922,31.517195,11.526426>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.090922,31.517195,11.526426>,0.088295
<-4.623870,31.630569,11.827010>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.623870,31.630569,11.827010>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.623870,31.630569,11.827010>,0.062425
<-4.552526,31.679157,12.155997>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.552526,31.679157,12.155997>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.623870,31.630569,11.827010>,0.062425
<-4.203523,31.732605,12.097536>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.203523,31.732605,12.097536>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.090922,31.517195,11.526426>,0.088295
<-4.917785,31.753027,12.324817>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.917785,31.753027,12.324817>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.917785,31.753027,12.324817>,0.062425
<-5.188311,31.855064,12.745163>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.188311,31.855064,12.745163>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.917785,31.753027,12.324817>,0.062425
<-4.761961,31.965277,13.043367>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.761961,31.965277,13.043367>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.283297,31.255159,10.639327>,0.124887
<-4.179990,31.790802,11.349389>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.179990,31.790802,11.349389>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.179990,31.790802,11.349389>,0.088295
<-3.381601,32.026634,11.176252>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.381601,32.026634,11.176252>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.381601,32.026634,11.176252>,0.062425
<-2.961254,32.128670,11.446777>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.961254,32.128670,11.446777>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.381601,32.026634,11.176252>,0.062425
<-2.663050,32.238884,11.020429>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.663050,32.238884,11.020429>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.179990,31.790802,11.349389>,0.088295
<-3.187014,32.272881,11.988446>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.187014,32.272881,11.988446>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.187014,32.272881,11.988446>,0.062425
<-3.031190,32.485126,12.706997>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.031190,32.485126,12.706997>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.187014,32.272881,11.988446>,0.062425
<-2.293335,32.706749,12.563597>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.293335,32.706749,12.563597>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.509194,30.660002,9.850368>,0.176643
<-6.075683,31.840981,11.849421>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.075683,31.840981,11.849421>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.075683,31.840981,11.849421>,0.124887
<-6.785746,32.376625,12.952727>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.785746,32.376625,12.952727>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.785746,32.376625,12.952727>,0.088295
<-6.612608,32.612457,13.751118>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.612608,32.612457,13.751118>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.612608,32.612457,13.751118>,0.062425
<-6.883133,32.714493,14.171464>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.883133,32.714493,14.171464>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.612608,32.612457,13.751118>,0.062425
<-6.456784,32.824703,14.469668>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.456784,32.824703,14.469668>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.785746,32.376625,12.952727>,0.088295
<-7.424802,32.858700,13.945704>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.424802,32.858700,13.945704>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.424802,32.858700,13.945704>,0.062425
<-8.143353,33.070950,14.101527>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.143353,33.070950,14.101527>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.424802,32.858700,13.945704>,0.062425
<-7.999953,33.292572,14.839383>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.999953,33.292572,14.839383>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.075683,31.840981,11.849421>,0.124887
<-5.685523,32.903862,13.648567>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.685523,32.903862,13.648567>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.685523,32.903862,13.648567>,0.088295
<-4.692546,33.385941,14.287624>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.692546,33.385941,14.287624>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.692546,33.385941,14.287624>,0.062425
<-4.536723,33.598190,15.006175>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.536723,33.598190,15.006175>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.692546,33.385941,14.287624>,0.062425
<-3.798868,33.819813,14.862775>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.798868,33.819813,14.862775>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.685523,32.903862,13.648567>,0.088295
<-5.334379,33.860458,15.267800>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.334379,33.860458,15.267800>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.334379,33.860458,15.267800>,0.062425
<-5.909530,34.294327,16.161478>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.909530,34.294327,16.161478>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.334379,33.860458,15.267800>,0.062425
<-5.018349,34.721390,16.725109>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.018349,34.721390,16.725109>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.990873,29.347801,7.629199>,0.249849
<-8.871444,32.131397,9.681481>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.871444,32.131397,9.681481>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.871444,32.131397,9.681481>,0.176643
<-10.900672,33.312378,9.423849>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.900672,33.312378,9.423849>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.900672,33.312378,9.423849>,0.124887
<-11.704192,33.848019,8.386626>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.704192,33.848019,8.386626>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.704192,33.848019,8.386626>,0.088295
<-12.514633,34.083851,8.283732>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.514633,34.083851,8.283732>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.514633,34.083851,8.283732>,0.062425
<-12.820765,34.185890,7.888563>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.820765,34.185890,7.888563>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.514633,34.083851,8.283732>,0.062425
<-13.244031,34.296101,8.191128>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.244031,34.296101,8.191128>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.704192,33.848019,8.386626>,0.088295
<-12.427360,34.330097,7.453126>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.427360,34.330097,7.453126>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.427360,34.330097,7.453126>,0.062425
<-12.334755,34.542347,6.723729>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.334755,34.542347,6.723729>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.427360,34.330097,7.453126>,0.062425
<-13.078212,34.763969,6.612976>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.078212,34.763969,6.612976>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.900672,33.312378,9.423849>,0.124887
<-12.726976,34.375259,9.191979>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.726976,34.375259,9.191979>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.726976,34.375259,9.191979>,0.088295
<-13.660477,34.857338,9.915148>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.660477,34.857338,9.915148>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.660477,34.857338,9.915148>,0.062425
<-14.389874,35.069588,9.822543>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.389874,35.069588,9.822543>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.660477,34.857338,9.915148>,0.062425
<-14.500628,35.291206,10.565999>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.500628,35.291206,10.565999>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.726976,34.375259,9.191979>,0.088295
<-14.370651,35.331852,8.983297>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.370651,35.331852,8.983297>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.370651,35.331852,8.983297>,0.062425
<-15.021502,35.765724,8.143147>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.021502,35.765724,8.143147>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.370651,35.331852,8.983297>,0.062425
<-15.849958,36.192787,8.795484>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.849958,36.192787,8.795484>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.871444,32.131397,9.681481>,0.176643
<-10.563957,34.636635,11.528536>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.563957,34.636635,11.528536>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.563957,34.636635,11.528536>,0.124887
<-10.173797,35.699516,13.327682>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.173797,35.699516,13.327682>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.173797,35.699516,13.327682>,0.088295
<-9.180820,36.181595,13.966740>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.180820,36.181595,13.966740>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.180820,36.181595,13.966740>,0.062425
<-9.024997,36.393845,14.685290>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.024997,36.393845,14.685290>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.180820,36.181595,13.966740>,0.062425
<-8.287142,36.615463,14.541890>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.287142,36.615463,14.541890>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.173797,35.699516,13.327682>,0.088295
<-9.822653,36.656109,14.946915>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.822653,36.656109,14.946915>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.822653,36.656109,14.946915>,0.062425
<-10.397804,37.089981,15.840593>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.397804,37.089981,15.840593>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.822653,36.656109,14.946915>,0.062425
<-9.506623,37.517044,16.404224>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.506623,37.517044,16.404224>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.563957,34.636635,11.528536>,0.124887
<-12.087219,36.891346,13.190885>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.087219,36.891346,13.190885>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.087219,36.891346,13.190885>,0.088295
<-13.730894,37.847942,12.982203>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.730894,37.847942,12.982203>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.730894,37.847942,12.982203>,0.062425
<-14.381745,38.281811,12.142053>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.381745,38.281811,12.142053>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.730894,37.847942,12.982203>,0.062425
<-15.210201,38.708874,12.794389>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.210201,38.708874,12.794389>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.087219,36.891346,13.190885>,0.088295
<-13.458155,38.920589,14.686999>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.458155,38.920589,14.686999>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.458155,38.920589,14.686999>,0.062425
<-13.142125,39.781525,16.144308>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.142125,39.781525,16.144308>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.458155,38.920589,14.686999>,0.062425
<-14.691998,40.746906,16.033501>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.691998,40.746906,16.033501>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.707000
<0.000000,27.100000,-0.000000>,0.499849
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.100000,-0.000000>,0.499849
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.100000,-0.000000>,0.499849
<3.423462,30.536539,-0.299514>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.423462,30.536539,-0.299514>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<3.423462,30.536539,-0.299514>,0.353393
<4.696206,31.994539,-2.480664>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.696206,31.994539,-2.480664>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<4.696206,31.994539,-2.480664>,0.249849
<4.284191,32.655827,-4.047204>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.284191,32.655827,-4.047204>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<4.284191,32.655827,-4.047204>,0.176643
<4.792504,32.946976,-4.918320>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.792504,32.946976,-4.918320>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<4.792504,32.946976,-4.918320>,0.124887
<4.635532,33.072948,-5.515153>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.635532,33.072948,-5.515153>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<4.635532,33.072948,-5.515153>,0.088295
<4.824043,33.126938,-5.838212>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.824043,33.126938,-5.838212>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.824043,33.126938,-5.838212>,0.062425
<4.766666,33.149960,-6.056369>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.766666,33.149960,-6.056369>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.824043,33.126938,-5.838212>,0.062425
<4.993703,33.175526,-6.128966>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.993703,33.175526,-6.128966>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.635532,33.072948,-5.515153>,0.088295
<4.494256,33.186321,-6.052302>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.494256,33.186321,-6.052302>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.494256,33.186321,-6.052302>,0.062425
<4.203503,33.234913,-6.221963>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.203503,33.234913,-6.221963>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.494256,33.186321,-6.052302>,0.062425
<4.367108,33.288361,-6.535737>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.367108,33.288361,-6.535737>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.792504,32.946976,-4.918320>,0.124887
<5.249987,33.209015,-5.702325>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.249987,33.209015,-5.702325>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<5.249987,33.209015,-5.702325>,0.088295
<5.787136,33.322388,-5.843601>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.787136,33.322388,-5.843601>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.787136,33.322388,-5.843601>,0.062425
<5.956796,33.370975,-6.134354>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.956796,33.370975,-6.134354>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.787136,33.322388,-5.843601>,0.062425
<6.270571,33.424423,-5.970748>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.270571,33.424423,-5.970748>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.249987,33.209015,-5.702325>,0.088295
<5.661720,33.444847,-6.407930>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.661720,33.444847,-6.407930>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.661720,33.444847,-6.407930>,0.062425
<5.534573,33.546883,-6.891365>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.534573,33.546883,-6.891365>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.661720,33.444847,-6.407930>,0.062425
<6.032281,33.657093,-7.042974>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.032281,33.657093,-7.042974>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.284191,32.655827,-4.047204>,0.176643
<3.913378,33.250984,-5.457088>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.913378,33.250984,-5.457088>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<3.913378,33.250984,-5.457088>,0.124887
<3.129373,33.513020,-5.914571>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.129373,33.513020,-5.914571>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.129373,33.513020,-5.914571>,0.088295
<2.988097,33.626392,-6.451720>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.988097,33.626392,-6.451720>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.988097,33.626392,-6.451720>,0.062425
<2.697344,33.674984,-6.621380>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.697344,33.674984,-6.621380>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.988097,33.626392,-6.451720>,0.062425
<2.860949,33.728432,-6.935155>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.860949,33.728432,-6.935155>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.129373,33.513020,-5.914571>,0.088295
<2.423768,33.748852,-6.326304>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.423768,33.748852,-6.326304>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.423768,33.748852,-6.326304>,0.062425
<1.940333,33.850887,-6.199157>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.940333,33.850887,-6.199157>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.423768,33.748852,-6.326304>,0.062425
<1.788724,33.961102,-6.696865>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.788724,33.961102,-6.696865>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.913378,33.250984,-5.457088>,0.124887
<3.579646,33.786625,-6.725985>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.579646,33.786625,-6.725985>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.579646,33.786625,-6.725985>,0.088295
<3.991380,34.022457,-7.431590>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.991380,34.022457,-7.431590>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.991380,34.022457,-7.431590>,0.062425
<3.864232,34.124496,-7.915024>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.864232,34.124496,-7.915024>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.991380,34.022457,-7.431590>,0.062425
<4.361940,34.234707,-8.066633>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.361940,34.234707,-8.066633>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.579646,33.786625,-6.725985>,0.088295
<3.279287,34.268703,-7.867992>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.279287,34.268703,-7.867992>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.279287,34.268703,-7.867992>,0.062425
<2.644243,34.480953,-8.238552>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.644243,34.480953,-8.238552>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.279287,34.268703,-7.867992>,0.062425
<3.008964,34.702576,-8.895798>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.008964,34.702576,-8.895798>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.696206,31.994539,-2.480664>,0.249849
<5.841675,33.306740,-4.443700>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.841675,33.306740,-4.443700>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<5.841675,33.306740,-4.443700>,0.176643
<7.251560,33.901897,-4.814513>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.251560,33.901897,-4.814513>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<7.251560,33.901897,-4.814513>,0.124887
<7.709042,34.163933,-5.598518>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.709042,34.163933,-5.598518>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.709042,34.163933,-5.598518>,0.088295
<8.246191,34.277309,-5.739793>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.246191,34.277309,-5.739793>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.246191,34.277309,-5.739793>,0.062425
<8.415852,34.325897,-6.030547>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.415852,34.325897,-6.030547>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.246191,34.277309,-5.739793>,0.062425
<8.729626,34.379345,-5.866941>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.729626,34.379345,-5.866941>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.709042,34.163933,-5.598518>,0.088295
<8.120776,34.399765,-6.304122>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.120776,34.399765,-6.304122>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.120776,34.399765,-6.304122>,0.062425
<7.993628,34.501804,-6.787557>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.993628,34.501804,-6.787557>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.120776,34.399765,-6.304122>,0.062425
<8.491337,34.612015,-6.939167>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.491337,34.612015,-6.939167>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.251560,33.901897,-4.814513>,0.124887
<8.520456,34.437538,-5.148245>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.520456,34.437538,-5.148245>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.520456,34.437538,-5.148245>,0.088295
<9.226061,34.673370,-4.736511>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.226061,34.673370,-4.736511>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.226061,34.673370,-4.736511>,0.062425
<9.709496,34.775410,-4.863658>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.709496,34.775410,-4.863658>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.226061,34.673370,-4.736511>,0.062425
<9.861105,34.885620,-4.365950>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.861105,34.885620,-4.365950>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.520456,34.437538,-5.148245>,0.088295
<9.662463,34.919617,-5.448603>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.662463,34.919617,-5.448603>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.662463,34.919617,-5.448603>,0.062425
<10.033024,35.131866,-6.083648>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.033024,35.131866,-6.083648>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.662463,34.919617,-5.448603>,0.062425
<10.690269,35.353489,-5.718926>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.690269,35.353489,-5.718926>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.841675,33.306740,-4.443700>,0.176643
<6.872597,34.487720,-6.210432>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.872597,34.487720,-6.210432>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<6.872597,34.487720,-6.210432>,0.124887
<6.538865,35.023361,-7.479328>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.538865,35.023361,-7.479328>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<6.538865,35.023361,-7.479328>,0.088295
<6.950599,35.259193,-8.184933>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.950599,35.259193,-8.184933>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.950599,35.259193,-8.184933>,0.062425
<6.823451,35.361233,-8.668367>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.823451,35.361233,-8.668367>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.950599,35.259193,-8.184933>,0.062425
<7.321159,35.471443,-8.819977>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.321159,35.471443,-8.819977>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.538865,35.023361,-7.479328>,0.088295
<6.238506,35.505440,-8.621335>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.238506,35.505440,-8.621335>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<6.238506,35.505440,-8.621335>,0.062425
<5.603462,35.717690,-8.991896>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.603462,35.717690,-8.991896>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.238506,35.505440,-8.621335>,0.062425
<5.968184,35.939312,-9.649141>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.968184,35.939312,-9.649141>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.872597,34.487720,-6.210432>,0.124887
<7.800427,35.550602,-7.800490>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.800427,35.550602,-7.800490>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.800427,35.550602,-7.800490>,0.088295
<8.942433,36.032681,-8.100849>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.942433,36.032681,-8.100849>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.942433,36.032681,-8.100849>,0.062425
<9.312994,36.244930,-8.735893>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.312994,36.244930,-8.735893>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.942433,36.032681,-8.100849>,0.062425
<9.970240,36.466549,-8.371172>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.970240,36.466549,-8.371172>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.800427,35.550602,-7.800490>,0.088295
<8.635474,36.507195,-9.231543>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.635474,36.507195,-9.231543>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.635474,36.507195,-9.231543>,0.062425
<8.365151,36.941067,-10.259349>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.365151,36.941067,-10.259349>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.635474,36.507195,-9.231543>,0.062425
<9.387016,37.368130,-10.519490>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.387016,37.368130,-10.519490>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.423462,30.536539,-0.299514>,0.353393
<6.504578,33.629425,-0.569077>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504578,33.629425,-0.569077>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504578,33.629425,-0.569077>,0.249849
<7.973522,34.941624,1.165227>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.973522,34.941624,1.165227>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<7.973522,34.941624,1.165227>,0.176643
<7.853167,35.536781,2.618084>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.853167,35.536781,2.618084>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<7.853167,35.536781,2.618084>,0.124887
<8.439839,35.798817,3.310737>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.439839,35.798817,3.310737>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<8.439839,35.798817,3.310737>,0.088295
<8.393986,35.912193,3.864258>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.393986,35.912193,3.864258>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.393986,35.912193,3.864258>,0.062425
<8.611557,35.960781,4.121133>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.611557,35.960781,4.121133>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.393986,35.912193,3.864258>,0.062425
<8.352716,36.014229,4.362428>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.352716,36.014229,4.362428>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.439839,35.798817,3.310737>,0.088295
<8.967845,36.034653,3.934125>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.967845,36.034653,3.934125>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<8.967845,36.034653,3.934125>,0.062425
<9.466015,36.136688,3.975394>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.466015,36.136688,3.975394>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<8.967845,36.034653,3.934125>,0.062425
<9.443050,36.246899,4.495174>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.443050,36.246899,4.495174>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.853167,35.536781,2.618084>,0.124887
<7.744846,36.072426,3.925655>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.744846,36.072426,3.925655>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<7.744846,36.072426,3.925655>,0.088295
<7.121458,36.308258,4.453660>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.121458,36.308258,4.453660>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.121458,36.308258,4.453660>,0.062425
<7.080190,36.410294,4.951829>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.080190,36.410294,4.951829>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.121458,36.308258,4.453660>,0.062425
<6.560409,36.520508,4.928865>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.560409,36.520508,4.928865>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.744846,36.072426,3.925655>,0.088295
<7.647358,36.554504,5.102468>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.647358,36.554504,5.102468>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<7.647358,36.554504,5.102468>,0.062425
<8.122563,36.766750,5.663518>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.122563,36.766750,5.663518>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.647358,36.554504,5.102468>,0.062425
<7.559619,36.988373,6.161601>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.559619,36.988373,6.161601>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<7.973522,34.941624,1.165227>,0.176643
<9.295572,36.122604,2.726100>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.295572,36.122604,2.726100>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<9.295572,36.122604,2.726100>,0.124887
<10.603144,36.658245,2.834420>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.603144,36.658245,2.834420>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.603144,36.658245,2.834420>,0.088295
<11.131149,36.894081,3.457808>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.131149,36.894081,3.457808>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.131149,36.894081,3.457808>,0.062425
<11.629318,36.996117,3.499077>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.629318,36.996117,3.499077>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.131149,36.894081,3.457808>,0.062425
<11.606355,37.106327,4.018858>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.606355,37.106327,4.018858>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.603144,36.658245,2.834420>,0.088295
<11.779958,37.140324,2.931909>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.779958,37.140324,2.931909>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.779958,37.140324,2.931909>,0.062425
<12.341006,37.352573,2.456703>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.341006,37.352573,2.456703>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.779958,37.140324,2.931909>,0.062425
<12.839090,37.574196,3.019648>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.839090,37.574196,3.019648>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.295572,36.122604,2.726100>,0.124887
<10.485417,37.185486,4.130887>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.485417,37.185486,4.130887>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<10.485417,37.185486,4.130887>,0.088295
<10.387929,37.667564,5.307700>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.387929,37.667564,5.307700>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.387929,37.667564,5.307700>,0.062425
<10.863134,37.879814,5.868750>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.863134,37.879814,5.868750>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.387929,37.667564,5.307700>,0.062425
<10.300190,38.101437,6.366833>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.300190,38.101437,6.366833>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.485417,37.185486,4.130887>,0.088295
<11.556277,38.142082,5.395194>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.556277,38.142082,5.395194>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<11.556277,38.142082,5.395194>,0.062425
<12.615410,38.575951,5.482933>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.615410,38.575951,5.482933>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.556277,38.142082,5.395194>,0.062425
<12.520052,39.003014,6.533071>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.520052,39.003014,6.533071>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504578,33.629425,-0.569077>,0.249849
<9.277582,36.413021,-0.811683>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.277582,36.413021,-0.811683>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<9.277582,36.413021,-0.811683>,0.176643
<10.308504,37.594002,-2.578415>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.308504,37.594002,-2.578415>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<10.308504,37.594002,-2.578415>,0.124887
<9.974772,38.129642,-3.847311>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974772,38.129642,-3.847311>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974772,38.129642,-3.847311>,0.088295
<10.386506,38.365475,-4.552916>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.386506,38.365475,-4.552916>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<10.386506,38.365475,-4.552916>,0.062425
<10.259358,38.467514,-5.036351>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.259358,38.467514,-5.036351>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.386506,38.365475,-4.552916>,0.062425
<10.757067,38.577724,-5.187960>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.757067,38.577724,-5.187960>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974772,38.129642,-3.847311>,0.088295
<9.674414,38.611721,-4.989318>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.674414,38.611721,-4.989318>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<9.674414,38.611721,-4.989318>,0.062425
<9.039370,38.823971,-5.359879>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.039370,38.823971,-5.359879>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.674414,38.611721,-4.989318>,0.062425
<9.404091,39.045593,-6.017125>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.404091,39.045593,-6.017125>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<10.308504,37.594002,-2.578415>,0.124887
<11.236334,38.656883,-4.168473>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.236334,38.656883,-4.168473>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<11.236334,38.656883,-4.168473>,0.088295
<12.378341,39.138962,-4.468832>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.378341,39.138962,-4.468832>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.378341,39.138962,-4.468832>,0.062425
<12.748901,39.351212,-5.103876>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.748901,39.351212,-5.103876>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.378341,39.138962,-4.468832>,0.062425
<13.406147,39.572830,-4.739155>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.406147,39.572830,-4.739155>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.236334,38.656883,-4.168473>,0.088295
<12.071381,39.613476,-5.599526>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.071381,39.613476,-5.599526>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.071381,39.613476,-5.599526>,0.062425
<11.801058,40.047348,-6.627332>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.801058,40.047348,-6.627332>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.071381,39.613476,-5.599526>,0.062425
<12.822923,40.474411,-6.887473>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.822923,40.474411,-6.887473>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<9.277582,36.413021,-0.811683>,0.176643
<11.773286,38.918259,-1.030029>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.773286,38.918259,-1.030029>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<11.773286,38.918259,-1.030029>,0.124887
<12.963130,39.981140,0.374757>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.963130,39.981140,0.374757>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<12.963130,39.981140,0.374757>,0.088295
<12.865643,40.463219,1.551571>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.865643,40.463219,1.551571>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<12.865643,40.463219,1.551571>,0.062425
<13.340847,40.675468,2.112620>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.340847,40.675468,2.112620>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.865643,40.463219,1.551571>,0.062425
<12.777903,40.897087,2.610703>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.777903,40.897087,2.610703>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<12.963130,39.981140,0.374757>,0.088295
<14.033991,40.937733,1.639064>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.033991,40.937733,1.639064>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<14.033991,40.937733,1.639064>,0.062425
<15.093123,41.371605,1.726803>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.093123,41.371605,1.726803>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.033991,40.937733,1.639064>,0.062425
<14.997765,41.798668,2.776941>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.997765,41.798668,2.776941>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<11.773286,38.918259,-1.030029>,0.124887
<14.019419,41.172970,-1.226540>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.019419,41.172970,-1.226540>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<14.019419,41.172970,-1.226540>,0.088295
<14.854465,42.129566,-2.657593>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.854465,42.129566,-2.657593>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<14.854465,42.129566,-2.657593>,0.062425
<14.584143,42.563435,-3.685399>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.584143,42.563435,-3.685399>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.854465,42.129566,-2.657593>,0.062425
<15.606008,42.990498,-3.945540>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.606008,42.990498,-3.945540>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<14.019419,41.172970,-1.226540>,0.088295
<16.040939,43.202213,-1.403400>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.040939,43.202213,-1.403400>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<16.040939,43.202213,-1.403400>,0.062425
<17.004713,44.063148,-0.265524>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.004713,44.063148,-0.265524>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<16.040939,43.202213,-1.403400>,0.062425
<17.860306,45.028530,-1.562574>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.860306,45.028530,-1.562574>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.100000,-0.000000>,0.499849
<0.000000,34.389999,-0.000000>,0.353393
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,34.389999,-0.000000>,0.353393
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.389999,-0.000000>,0.353393
<-2.453751,37.482887,-1.882829>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.453751,37.482887,-1.882829>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.453751,37.482887,-1.882829>,0.249849
<-4.624486,38.795086,-1.209395>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.624486,38.795086,-1.209395>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.624486,38.795086,-1.209395>,0.176643
<-5.303599,39.390244,0.080599>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.303599,39.390244,0.080599>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.303599,39.390244,0.080599>,0.124887
<-6.170557,39.652279,0.349557>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.170557,39.652279,0.349557>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.170557,39.652279,0.349557>,0.088295
<-6.429290,39.765656,0.841030>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.429290,39.765656,0.841030>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.429290,39.765656,0.841030>,0.062425
<-6.750807,39.814243,0.940775>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.750807,39.814243,0.940775>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.429290,39.765656,0.841030>,0.062425
<-6.662151,39.867691,1.283355>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.662151,39.867691,1.283355>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.170557,39.652279,0.349557>,0.088295
<-6.950818,39.888111,0.591620>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.950818,39.888111,0.591620>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.950818,39.888111,0.591620>,0.062425
<-7.393143,39.990150,0.358760>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.393143,39.990150,0.358760>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.950818,39.888111,0.591620>,0.062425
<-7.653054,40.100361,0.809477>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653054,40.100361,0.809477>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.303599,39.390244,0.080599>,0.124887
<-5.914800,39.925888,1.241593>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.914800,39.925888,1.241593>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.914800,39.925888,1.241593>,0.088295
<-5.672737,40.161720,2.021855>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.672737,40.161720,2.021855>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.672737,40.161720,2.021855>,0.062425
<-5.905598,40.263756,2.464180>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.905598,40.263756,2.464180>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.672737,40.161720,2.021855>,0.062425
<-5.454881,40.373966,2.724090>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.454881,40.373966,2.724090>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.914800,39.925888,1.241593>,0.088295
<-6.464881,40.407963,2.286488>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.464881,40.407963,2.286488>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.464881,40.407963,2.286488>,0.062425
<-7.167117,40.620213,2.504345>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.167117,40.620213,2.504345>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.464881,40.407963,2.286488>,0.062425
<-6.959954,40.841835,3.226894>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.959954,40.841835,3.226894>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.624486,38.795086,-1.209395>,0.176643
<-6.578149,39.976067,-0.603305>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.578149,39.976067,-0.603305>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.578149,39.976067,-0.603305>,0.124887
<-7.739143,40.511707,-1.214506>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.739143,40.511707,-1.214506>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.739143,40.511707,-1.214506>,0.088295
<-8.519405,40.747540,-0.972443>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.519405,40.747540,-0.972443>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.519405,40.747540,-0.972443>,0.062425
<-8.961731,40.849579,-1.205304>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.961731,40.849579,-1.205304>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.519405,40.747540,-0.972443>,0.062425
<-9.221641,40.959789,-0.754587>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.221641,40.959789,-0.754587>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.739143,40.511707,-1.214506>,0.088295
<-8.784039,40.993786,-1.764587>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.784039,40.993786,-1.764587>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.784039,40.993786,-1.764587>,0.062425
<-9.001896,41.206036,-2.466823>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.001896,41.206036,-2.466823>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.784039,40.993786,-1.764587>,0.062425
<-9.724444,41.427658,-2.259660>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.724444,41.427658,-2.259660>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.578149,39.976067,-0.603305>,0.124887
<-8.336445,41.038948,-0.057824>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.336445,41.038948,-0.057824>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.336445,41.038948,-0.057824>,0.088295
<-8.886526,41.521027,0.987071>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.886526,41.521027,0.987071>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.886526,41.521027,0.987071>,0.062425
<-9.588761,41.733276,1.204928>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.588761,41.733276,1.204928>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.886526,41.521027,0.987071>,0.062425
<-9.381598,41.954895,1.927477>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.381598,41.954895,1.927477>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.336445,41.038948,-0.057824>,0.088295
<-9.918911,41.995541,0.433109>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.918911,41.995541,0.433109>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.918911,41.995541,0.433109>,0.062425
<-10.859317,42.429413,-0.061964>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.859317,42.429413,-0.061964>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.918911,41.995541,0.433109>,0.062425
<-11.343131,42.856476,0.874949>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.343131,42.856476,0.874949>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.453751,37.482887,-1.882829>,0.249849
<-4.662127,40.266483,-3.577375>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.662127,40.266483,-3.577375>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.662127,40.266483,-3.577375>,0.176643
<-4.582333,41.447464,-5.621336>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.582333,41.447464,-5.621336>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.582333,41.447464,-5.621336>,0.124887
<-3.619089,41.983105,-6.512198>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.619089,41.983105,-6.512198>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.619089,41.983105,-6.512198>,0.088295
<-3.587221,42.218937,-7.328524>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.587221,42.218937,-7.328524>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.587221,42.218937,-7.328524>,0.062425
<-3.220236,42.320972,-7.667932>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.220236,42.320972,-7.667932>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.587221,42.218937,-7.328524>,0.062425
<-3.558539,42.431187,-8.063216>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.558539,42.431187,-8.063216>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.619089,41.983105,-6.512198>,0.088295
<-2.752169,42.465183,-7.313974>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.752169,42.465183,-7.313974>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.752169,42.465183,-7.313974>,0.062425
<-2.017476,42.677433,-7.285293>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.017476,42.677433,-7.285293>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.752169,42.465183,-7.313974>,0.062425
<-1.971941,42.899052,-8.035573>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.971941,42.899052,-8.035573>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.582333,41.447464,-5.621336>,0.124887
<-4.510519,42.510345,-7.460900>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.510519,42.510345,-7.460900>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.510519,42.510345,-7.460900>,0.088295
<-5.312295,42.992424,-8.327820>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.312295,42.992424,-8.327820>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.312295,42.992424,-8.327820>,0.062425
<-5.283614,43.204670,-9.062512>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.283614,43.204670,-9.062512>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.312295,42.992424,-8.327820>,0.062425
<-6.033894,43.426292,-9.108047>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.033894,43.426292,-9.108047>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.510519,42.510345,-7.460900>,0.088295
<-4.445887,43.466938,-9.116508>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.445887,43.466938,-9.116508>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.445887,43.466938,-9.116508>,0.062425
<-3.665659,43.900806,-9.838106>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.665659,43.900806,-9.838106>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.445887,43.466938,-9.116508>,0.062425
<-4.387717,44.327873,-10.606555>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.387717,44.327873,-10.606555>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.662127,40.266483,-3.577375>,0.176643
<-6.649664,42.771721,-5.102467>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.649664,42.771721,-5.102467>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.649664,42.771721,-5.102467>,0.124887
<-8.407960,43.834602,-4.556986>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.407960,43.834602,-4.556986>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.407960,43.834602,-4.556986>,0.088295
<-8.958041,44.316681,-3.512091>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.958041,44.316681,-3.512091>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.958041,44.316681,-3.512091>,0.062425
<-9.660276,44.528927,-3.294234>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.660276,44.528927,-3.294234>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.958041,44.316681,-3.512091>,0.062425
<-9.453115,44.750549,-2.571685>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.453115,44.750549,-2.571685>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.407960,43.834602,-4.556986>,0.088295
<-9.990426,44.791195,-4.066052>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.990426,44.791195,-4.066052>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.990426,44.791195,-4.066052>,0.062425
<-10.930832,45.225063,-4.561125>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.930832,45.225063,-4.561125>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.990426,44.791195,-4.066052>,0.062425
<-11.414646,45.652130,-3.624213>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.414646,45.652130,-3.624213>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.649664,42.771721,-5.102467>,0.124887
<-8.438449,45.026432,-6.475049>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.438449,45.026432,-6.475049>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.438449,45.026432,-6.475049>,0.088295
<-8.373816,45.983025,-8.130657>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.373816,45.983025,-8.130657>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.373816,45.983025,-8.130657>,0.062425
<-7.593588,46.416897,-8.852256>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.593588,46.416897,-8.852256>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.373816,45.983025,-8.130657>,0.062425
<-8.315646,46.843960,-9.620705>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.315646,46.843960,-9.620705>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.438449,45.026432,-6.475049>,0.088295
<-10.048354,47.055676,-7.710373>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.048354,47.055676,-7.710373>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.048354,47.055676,-7.710373>,0.062425
<-11.472574,47.916607,-7.268534>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.472574,47.916607,-7.268534>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.048354,47.055676,-7.710373>,0.062425
<-11.497270,48.881992,-8.822165>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.497270,48.881992,-8.822165>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,34.389999,-0.000000>,0.353393
<0.000000,40.951000,-0.000000>,0.249849
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,40.951000,-0.000000>,0.249849
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.951000,-0.000000>,0.249849
<0.483366,43.734596,2.741307>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.483366,43.734596,2.741307>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<0.483366,43.734596,2.741307>,0.176643
<2.333226,44.915577,3.614326>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.333226,44.915577,3.614326>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<2.333226,44.915577,3.614326>,0.124887
<3.568208,45.451221,3.171273>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.568208,45.451221,3.171273>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.568208,45.451221,3.171273>,0.088295
<4.307012,45.687054,3.519942>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.307012,45.687054,3.519942>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.307012,45.687054,3.519942>,0.062425
<4.777525,45.789089,3.351144>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.777525,45.789089,3.351144>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.307012,45.687054,3.519942>,0.062425
<4.971936,45.899303,3.833745>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.971936,45.899303,3.833745>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.568208,45.451221,3.171273>,0.088295
<4.679691,45.933300,2.772524>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.679691,45.933300,2.772524>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.679691,45.933300,2.772524>,0.062425
<4.993494,46.145546,2.107600>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.993494,46.145546,2.107600>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.679691,45.933300,2.772524>,0.062425
<5.680026,46.367168,2.413651>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.680026,46.367168,2.413651>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.333226,44.915577,3.614326>,0.124887
<3.998100,45.978458,4.400043>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.998100,45.978458,4.400043>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<3.998100,45.978458,4.400043>,0.088295
<4.396848,46.460537,5.511526>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.396848,46.460537,5.511526>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.396848,46.460537,5.511526>,0.062425
<5.061772,46.672787,5.825329>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.061772,46.672787,5.825329>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.396848,46.460537,5.511526>,0.062425
<4.755721,46.894409,6.511861>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.755721,46.894409,6.511861>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.998100,45.978458,4.400043>,0.088295
<5.496486,46.935055,5.107188>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.496486,46.935055,5.107188>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<5.496486,46.935055,5.107188>,0.062425
<6.496821,47.368923,4.748314>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.496821,47.368923,4.748314>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<5.496486,46.935055,5.107188>,0.062425
<6.845034,47.795990,5.743618>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.845034,47.795990,5.743618>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.483366,43.734596,2.741307>,0.176643
<0.918396,46.239834,5.208485>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.918396,46.239834,5.208485>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<0.918396,46.239834,5.208485>,0.124887
<-0.377342,47.302715,6.516237>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.377342,47.302715,6.516237>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.377342,47.302715,6.516237>,0.088295
<-1.558175,47.784794,6.521686>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.558175,47.784794,6.521686>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.558175,47.784794,6.521686>,0.062425
<-2.075672,47.997044,7.043982>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.075672,47.997044,7.043982>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.558175,47.784794,6.521686>,0.062425
<-2.620924,48.218666,6.526590>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.620924,48.218666,6.526590>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.377342,47.302715,6.516237>,0.088295
<-1.543507,48.259312,7.693214>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.543507,48.259312,7.693214>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.543507,48.259312,7.693214>,0.062425
<-1.538603,48.693180,8.755963>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.538603,48.693180,8.755963>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.543507,48.259312,7.693214>,0.062425
<-2.593055,49.120247,8.752494>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.593055,49.120247,8.752494>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.918396,46.239834,5.208485>,0.124887
<1.309923,48.494549,7.428944>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.309923,48.494549,7.428944>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<1.309923,48.494549,7.428944>,0.088295
<2.808309,49.451141,8.136088>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.808309,49.451141,8.136088>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<2.808309,49.451141,8.136088>,0.062425
<3.808644,49.885014,7.777215>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.808644,49.885014,7.777215>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.808309,49.451141,8.136088>,0.062425
<4.156857,50.312077,8.772519>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.156857,50.312077,8.772519>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.309923,48.494549,7.428944>,0.088295
<1.662297,50.523788,9.427357>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.662297,50.523788,9.427357>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.662297,50.523788,9.427357>,0.062425
<0.612749,51.384724,10.486636>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.612749,51.384724,10.486636>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.662297,50.523788,9.427357>,0.062425
<1.979434,52.350109,11.225928>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.979434,52.350109,11.225928>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,40.951000,-0.000000>,0.249849
<0.000000,46.855904,-0.000000>,0.176643
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,46.855904,-0.000000>,0.176643
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.855904,-0.000000>,0.176643
<1.346063,49.361137,-2.112895>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.346063,49.361137,-2.112895>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<1.346063,49.361137,-2.112895>,0.124887
<0.649412,50.424023,-3.816959>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.649412,50.424023,-3.816959>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.649412,50.424023,-3.816959>,0.088295
<-0.439450,50.906097,-4.273878>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.439450,50.906097,-4.273878>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.439450,50.906097,-4.273878>,0.062425
<-0.717681,51.118347,-4.954454>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.717681,51.118347,-4.954454>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.439450,50.906097,-4.273878>,0.062425
<-1.419426,51.339970,-4.685105>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.419426,51.339970,-4.685105>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.649412,50.424023,-3.816959>,0.088295
<0.022426,51.380615,-5.350616>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.022426,51.380615,-5.350616>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.022426,51.380615,-5.350616>,0.062425
<0.433653,51.814484,-6.330592>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433653,51.814484,-6.330592>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.022426,51.380615,-5.350616>,0.062425
<-0.541862,52.241550,-6.730907>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.541862,52.241550,-6.730907>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.346063,49.361137,-2.112895>,0.124887
<2.557520,51.615852,-4.014502>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.557520,51.615852,-4.014502>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<2.557520,51.615852,-4.014502>,0.088295
<4.212461,52.572445,-4.094411>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.212461,52.572445,-4.094411>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<4.212461,52.572445,-4.094411>,0.062425
<4.999315,53.006317,-3.380044>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.999315,53.006317,-3.380044>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<4.212461,52.572445,-4.094411>,0.062425
<5.701908,53.433380,-4.166329>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.701908,53.433380,-4.166329>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<2.557520,51.615852,-4.014502>,0.088295
<3.647830,53.645096,-5.725947>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.647830,53.645096,-5.725947>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<3.647830,53.645096,-5.725947>,0.062425
<3.083543,54.506027,-7.106238>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.083543,54.506027,-7.106238>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<3.647830,53.645096,-5.725947>,0.062425
<4.629110,55.471413,-7.266248>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.629110,55.471413,-7.266248>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,46.855904,-0.000000>,0.176643
<0.000000,52.170311,-0.000000>,0.124887
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,52.170311,-0.000000>,0.124887
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.170311,-0.000000>,0.124887
<-2.177886,54.425026,0.583563>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.177886,54.425026,0.583563>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.177886,54.425026,0.583563>,0.088295
<-2.751747,55.381618,2.137879>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.751747,55.381618,2.137879>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.751747,55.381618,2.137879>,0.062425
<-2.307054,55.815491,3.103129>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.307054,55.815491,3.103129>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.751747,55.381618,2.137879>,0.062425
<-3.268222,56.242554,3.536764>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.268222,56.242554,3.536764>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.177886,54.425026,0.583563>,0.088295
<-4.137983,56.454269,1.108769>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.137983,56.454269,1.108769>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.137983,56.454269,1.108769>,0.062425
<-5.284706,57.315201,0.155537>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.284706,57.315201,0.155537>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.137983,56.454269,1.108769>,0.062425
<-5.902071,58.280586,1.581455>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.902071,58.280586,1.581455>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,52.170311,-0.000000>,0.124887
<0.000000,56.953281,-0.000000>,0.088295
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,56.953281,-0.000000>,0.088295
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,56.953281,-0.000000>,0.088295
<1.799960,58.982525,0.937000>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.799960,58.982525,0.937000>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<1.799960,58.982525,0.937000>,0.062425
<3.125818,59.843460,0.254559>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.125818,59.843460,0.254559>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<1.799960,58.982525,0.937000>,0.062425
<3.419924,60.808842,1.780299>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.419924,60.808842,1.780299>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,56.953281,-0.000000>,0.088295
<0.000000,61.257954,-0.000000>,0.062425
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,61.257954,-0.000000>,0.062425
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,61.257954,-0.000000>,0.062425
<-0.624638,63.084274,-1.716178>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.624638,63.084274,-1.716178>,0.044134
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,61.257954,-0.000000>,0.062425
<0.000000,65.132156,-0.000000>,0.044134
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,65.132156,-0.000000>,0.044134
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 36.754772, 73.509544>
look_at   <0, 36.754772,  0>
}
