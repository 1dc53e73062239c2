// Every GLB that `lsys export` writes passes the Khronos glTF validator with no error: each
// bundled example, and a weed of 390,625 segments (Fig. 1.24a at 8 steps) in its instanced
// form, which must also stay at 64 bytes a segment or less.
// Usage: node glb_validation_test.mjs LSYS EXAMPLES_DIR NODE_MODULES_DIR
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import test from 'node:test';
import assert from 'node:assert/strict';

const [lsys, examplesDir, nodeModules] = process.argv.slice(2);
const validator = createRequire(path.resolve(nodeModules, 'x.js'))('gltf-validator');
const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'lsys-glb-'));
process.on('exit', () => fs.rmSync(folder, { recursive: true, force: true }));

async function exportAndValidate(description, name) {
  const glb = path.join(folder, `${name}.glb`);
  execFileSync(lsys, ['export', description, '--quiet', '-o', glb]);
  const bytes = new Uint8Array(fs.readFileSync(glb));
  const report = await validator.validateBytes(bytes, { maxIssues: 20 });
  const errors = report.issues.messages.filter((m) => m.severity === 0);
  assert.equal(report.issues.numErrors, 0, `${name}: ${JSON.stringify(errors)}`);
  return { bytes: bytes.length, report };
}

for (const file of fs.readdirSync(examplesDir).filter((f) => f.endsWith('.ls')).sort()) {
  test(`the GLB of ${file} is valid glTF`, async () => {
    await exportAndValidate(path.join(examplesDir, file), path.basename(file, '.ls'));
  });
}

test('a weed of 390,625 segments is valid and takes at most 64 bytes a segment', async () => {
  const description = path.join(folder, 'weed.ls');
  fs.writeFileSync(description, 'axiom=!(1.2)F\ngamma=25.7\nsteps=8\nF->F[+F]F[-F]F\n');
  const { bytes, report } = await exportAndValidate(description, 'weed');
  assert.ok(bytes <= 64 * 390625, `${bytes} bytes`);
  assert.deepEqual(report.info.extensionsUsed, ['EXT_mesh_gpu_instancing']);
});
