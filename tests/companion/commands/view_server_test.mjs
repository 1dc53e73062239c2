// `lsys view` as a server, without a browser: it prints its address first, listens on the
// loopback address only, serves its page, the plant (valid glTF) and its state, answers 404 to
// everything else (paths with .. in any encoding, other hosts, other methods), grows the file
// again on every save, shows a broken file's diagnostics while keeping the plant, writes
// nothing into the description's folder, and ends with 0 on SIGINT and SIGTERM.
// Usage: node view_server_test.mjs LSYS NODE_MODULES_DIR
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import test from 'node:test';
import { ViewServer, save } from './view_support.mjs';

const [lsys, nodeModules] = process.argv.slice(2);
const validator = createRequire(path.resolve(nodeModules, 'x.js'))('gltf-validator');

// Fig. 1.24a: 5^n segments after n steps.
const weed = (steps) => `axiom=F\ngamma=25.7\nsteps=${steps}\nF->F[+F]F[-F]F\n`;
// The same rules with an expression that does not parse, on line 3 at column 11.
const broken = 'axiom=F\nsteps=2\nF(x)->F(x*)\n';

test('serves the page and a valid plant on the loopback address only', async () => {
  const server = await ViewServer.start(lsys, weed(3));
  try {
    assert.match(server.url, /^http:\/\/127\.0\.0\.1:\d+\/$/);
    // /proc/net/tcp lists listening sockets (state 0A) by address:port in hex.
    const port = server.port.toString(16).toUpperCase().padStart(4, '0');
    const listening = fs.readFileSync('/proc/net/tcp', 'utf8').split('\n')
      .concat(fs.readFileSync('/proc/net/tcp6', 'utf8').split('\n'))
      .map((line) => line.trim().split(/\s+/))
      .filter((fields) => fields[1]?.endsWith(`:${port}`) && fields[3] === '0A')
      .map((fields) => fields[1]);
    assert.deepEqual(listening, [`0100007F:${port}`]);

    const ready = await server.waitForState((s) => s.state === 'ready');
    assert.equal(ready.segments, 125);
    assert.equal(ready.steps, 3);
    const page = await server.request('GET', '/');
    assert.equal(page.status, 200);
    assert.match(page.headers['content-type'], /^text\/html/);
    for (const asset of ['/view.js', '/view.css', '/three/build/three.module.js',
                         '/three/examples/jsm/loaders/GLTFLoader.js']) {
      assert.equal((await server.request('GET', asset)).status, 200, asset);
    }
    const plant = await server.request('GET', '/plant.glb');
    assert.equal(plant.status, 200);
    const report = await validator.validateBytes(new Uint8Array(plant.body));
    assert.equal(report.issues.numErrors, 0);
  } finally {
    await server.stop();
  }
});

test('answers 404 to anything but its page, its assets and the plant', async () => {
  const server = await ViewServer.start(lsys, weed(2));
  try {
    const requests = [
      ['GET', '/plant.ls'], ['GET', '/../plant.ls'], ['GET', '/%2e%2e/plant.ls'],
      ['GET', '/%2E%2E%2Fplant.ls'], ['GET', '/..%2fplant.ls'], ['GET', '/%252e%252e/plant.ls'],
      ['GET', '/three/../../plant.ls'], ['GET', '/three/..%2F..%2Fplant.ls'],
      ['GET', '/..\\plant.ls'], ['GET', '/%c0%ae%c0%ae/plant.ls'], ['GET', '/etc/passwd'],
      ['GET', '//etc/passwd'], ['GET', '/three/'], ['GET', '/three/build/'], ['GET', '/three'],
      ['GET', '/three/LICENSE'], ['GET', '/three/package.json'], ['GET', '/index.html/..'],
      ['GET', '/view.js%00.html'], ['GET', '/view.js?x=/../plant.ls#'], ['GET', '/.npmrc'],
      ['PUT', '/plant.glb'], ['DELETE', '/plant.glb'], ['POST', '/'], ['PATCH', '/view.js'],
      ['OPTIONS', '/'],
    ];
    for (const [method, requestPath] of requests) {
      const response = await server.request(method, requestPath);
      if (requestPath.startsWith('/view.js?')) {
        assert.equal(response.status, 200, 'a query names no other file');
        continue;
      }
      assert.equal(response.status, 404, `${method} ${requestPath}`);
      assert.ok(!response.body.toString().includes('F->F'), `${method} ${requestPath}`);
    }
    // Another host name (a page elsewhere reaching in through its own name), another origin.
    assert.equal((await server.request('GET', '/', { Host: 'example.com' })).status, 404);
    assert.equal((await server.request('POST', '/steps', { Origin: 'http://example.com' }, '1'))
      .status, 404);
    assert.equal((await server.request('POST', '/steps', {}, 'many')).status, 400);
  } finally {
    await server.stop();
  }
});

test('grows the file again on every save and keeps the plant of a broken one', async () => {
  const server = await ViewServer.start(lsys, weed(2));
  try {
    const before = fs.readdirSync(server.folder);
    await server.waitForState((s) => s.state === 'ready' && s.segments === 25);
    save(server.file, weed(3));
    await server.waitForState((s) => s.state === 'ready' && s.segments === 125);
    save(server.file, broken);
    const error = await server.waitForState((s) => s.state === 'error');
    assert.match(error.diagnostics, /^plant\.ls:3:11: error: /);
    assert.equal(error.segments, 125, 'the last good plant stays');
    assert.equal((await server.request('GET', '/plant.glb')).status, 200);
    // The slider grows another step count.
    save(server.file, weed(3));
    await server.waitForState((s) => s.state === 'ready' && s.segments === 125);
    assert.equal((await server.request('POST', '/steps', {}, '1')).status, 204);
    const one = await server.waitForState((s) => s.state === 'ready' && s.steps === 1);
    assert.equal(one.segments, 5);
    assert.equal(one.maxSteps, 3);
    assert.deepEqual(fs.readdirSync(server.folder).sort(), before.sort());
  } finally {
    await server.stop();
  }
});

for (const signal of ['SIGINT', 'SIGTERM']) {
  test(`ends with 0 on ${signal}, also with a page listening`, async () => {
    const server = await ViewServer.start(lsys, weed(2));
    await server.waitForState((s) => s.state === 'ready');
    server.waitForState(() => false, 60000).catch(() => {});  // an open event stream
    assert.deepEqual(await server.stop(signal), { code: 0, signal: null });
  });
}

test('says why when the file or the port cannot be had', async () => {
  const server = await ViewServer.start(lsys, weed(1));
  try {
    const { spawnSync } = await import('node:child_process');
    const busy = spawnSync(lsys, ['view', server.file, '--port', String(server.port)]);
    assert.equal(busy.status, 1);
    assert.match(busy.stderr.toString(), /cannot listen on 127\.0\.0\.1:/);
    const missing = spawnSync(lsys, ['view', path.join(server.folder, 'none.ls')]);
    assert.equal(missing.status, 1);
    assert.match(missing.stderr.toString(), /cannot read/);
    assert.equal(spawnSync(lsys, ['view', server.file, '--port', 'x']).status, 2);
  } finally {
    await server.stop();
  }
});
