// Times the derivation alone in the npm package lindenmayer for two systems, and prints one
// line per system: its name, the final module count and the best of several runs in seconds.
// Usage: node peer_derivation.js PATH_TO_NODE_MODULES
'use strict';
const path = require('path');
const LSystem = require(path.join(process.argv[2], 'lindenmayer'));

function best(runs, derive) {
  let fastest = Infinity;
  let count = 0;
  for (let i = 0; i < runs; ++i) {
    const start = process.hrtime.bigint();
    count = derive();
    const seconds = Number(process.hrtime.bigint() - start) / 1e9;
    fastest = Math.min(fastest, seconds);
  }
  return {count, seconds: fastest};
}

// X->XaXbXcdXeyX, 9 steps from X: plain string rules.
const plain = best(5, () => {
  const system = new LSystem({axiom: 'X', productions: {X: 'XaXbXcdXeyX'}});
  system.iterate(9);
  return system.getString().length;
});
console.log(`plain ${plain.count} ${plain.seconds}`);

// The monopodial tree with K in place of F, 18 steps: parametric rules.
const r1 = 0.9, r2 = 0.6, a0 = 45, a2 = 45, d = 137.5, wr = 0.707;
const m = (symbol, ...params) => ({symbol, params});
const monopodial = best(3, () => {
  const system = new LSystem({
    axiom: [m('!', 1), m('A', 10, 1)],
    productions: {
      A: ({part}) => {
        const [l, w] = part.params;
        return [m('!', w), m('K', l), m('['), m('&', a0), m('B', l * r2, w * wr), m(']'),
                m('/', d), m('A', l * r1, w * wr)];
      },
      B: ({part}) => {
        const [l, w] = part.params;
        return [m('!', w), m('K', l), m('['), m('-', a2), m('$'), m('C', l * r2, w * wr), m(']'),
                m('C', l * r1, w * wr)];
      },
      C: ({part}) => {
        const [l, w] = part.params;
        return [m('!', w), m('K', l), m('['), m('+', a2), m('$'), m('B', l * r2, w * wr), m(']'),
                m('B', l * r1, w * wr)];
      },
    },
  });
  system.iterate(18);
  return system.getRaw().length;
});
console.log(`monopodial ${monopodial.count} ${monopodial.seconds}`);
