// The page of `lsys view`: shows the plant the server grew, as a GLB, with three.js; follows
// the server's state through Server-Sent Events and exposes it on document.body for tests
// and tools (data-state: growing | ready | error; data-segments: the segments drawn).
import * as THREE from 'three';
import { GLTFLoader } from 'three/addons/loaders/GLTFLoader.js';
import { OrbitControls } from 'three/addons/controls/OrbitControls.js';

const $ = (id) => document.getElementById(id);
const viewport = $('viewport');

// The drawing buffer is kept so that tests can read the canvas back.
const renderer = new THREE.WebGLRenderer({ antialias: true, preserveDrawingBuffer: true });
renderer.setPixelRatio(window.devicePixelRatio);
viewport.appendChild(renderer.domElement);

const scene = new THREE.Scene();
scene.background = new THREE.Color(0xf4f1ea);
scene.add(new THREE.HemisphereLight(0xffffff, 0x5a5040, 1.6));
const camera = new THREE.PerspectiveCamera(30, 4 / 3, 0.01, 1000);
// A light at the camera, as the render has one beside its camera.
const headlight = new THREE.DirectionalLight(0xffffff, 2.2);
headlight.position.set(0.3, 0.5, 1);
camera.add(headlight);
scene.add(camera);

const controls = new OrbitControls(camera, renderer.domElement);
let userMoved = false;
controls.addEventListener('start', () => { userMoved = true; });
controls.addEventListener('change', render);

let plant = null;        // the group on screen
let grid = null;
let renderCamera = null; // the GLB's camera: the one `lsys render` frames the plant with
let shownPlant = 0;      // the server's number of the plant on screen

function render() {
  renderer.render(scene, camera);
}

function resize() {
  const width = viewport.clientWidth, height = viewport.clientHeight;
  if (width === 0 || height === 0) return;
  renderer.setSize(width, height, false);
  camera.aspect = width / height;
  fitFieldOfView();
  camera.updateProjectionMatrix();
  render();
}
new ResizeObserver(resize).observe(viewport);

// The render is framed at 4:3 with a vertical field of 30 degrees; a narrower window widens
// the vertical field so that the same width of the scene stays in view.
function fitFieldOfView() {
  const halfWidth = Math.tan(THREE.MathUtils.degToRad(15)) * 4 / 3;
  const vertical = camera.aspect >= 4 / 3 ? 30 : 2 * THREE.MathUtils.radToDeg(Math.atan(halfWidth / camera.aspect));
  camera.fov = vertical;
}

function plantBox() {
  const box = new THREE.Box3();
  if (plant) box.setFromObject(plant);
  return box;
}

function frame() {
  const box = plantBox();
  if (renderCamera) {
    renderCamera.updateWorldMatrix(true, false);
    renderCamera.getWorldPosition(camera.position);
    renderCamera.getWorldQuaternion(camera.quaternion);
  } else {
    camera.position.set(0, 1, 8);
    camera.lookAt(0, 0, 0);
  }
  const forward = new THREE.Vector3(0, 0, -1).applyQuaternion(camera.quaternion);
  const centre = box.isEmpty() ? new THREE.Vector3() : box.getCenter(new THREE.Vector3());
  const depth = Math.max(centre.clone().sub(camera.position).dot(forward), 1e-3);
  controls.target.copy(camera.position).addScaledVector(forward, depth);
  const size = box.isEmpty() ? 1 : box.getSize(new THREE.Vector3()).length();
  camera.near = Math.max(depth / 1000, 1e-4);
  camera.far = depth + size * 20;
  fitFieldOfView();
  camera.updateProjectionMatrix();
  controls.update();
  userMoved = false;
  render();
}

function placeGrid() {
  if (grid) {
    scene.remove(grid);
    grid.geometry.dispose();
    grid.material.dispose();
    grid = null;
  }
  const box = plantBox();
  if (box.isEmpty()) return;
  const size = box.getSize(new THREE.Vector3());
  const span = Math.max(size.x, size.z, size.y * 0.5) * 1.6 || 1;
  // Lines a round number of units apart: 1, 2 or 5 times a power of ten.
  const raw = span / 16, power = 10 ** Math.floor(Math.log10(raw));
  const step = [1, 2, 5, 10].map((f) => f * power).find((s) => s >= raw);
  const divisions = Math.max(2, Math.ceil(span / step / 2) * 2);
  grid = new THREE.GridHelper(divisions * step, divisions, 0x9a927e, 0xcfc8b6);
  const centre = box.getCenter(new THREE.Vector3());
  grid.position.set(Math.round(centre.x / step) * step, box.min.y, Math.round(centre.z / step) * step);
  grid.visible = $('grid').checked;
  scene.add(grid);
}

function dispose(object) {
  object.traverse((node) => {
    if (node.geometry) node.geometry.dispose();
    if (node.material) [].concat(node.material).forEach((m) => m.dispose());
  });
}

async function loadPlant(number) {
  const response = await fetch(`/plant.glb?plant=${number}`, { cache: 'no-store' });
  if (!response.ok) throw new Error(`the plant could not be fetched (${response.status})`);
  const gltf = await new GLTFLoader().parseAsync(await response.arrayBuffer(), '');
  if (plant) {
    scene.remove(plant);
    dispose(plant);
  }
  plant = gltf.scene;
  renderCamera = gltf.cameras[0] || null;
  scene.add(plant);
  placeGrid();
}

function showState(state) {
  $('file').textContent = state.file;
  $('state').textContent = state.state;
  $('step').textContent = state.steps;
  $('max-steps').textContent = state.maxSteps;
  const slider = $('steps');
  slider.max = state.maxSteps;
  if (document.activeElement !== slider) slider.value = state.steps;
  const number = (n) => n.toLocaleString('en');
  $('counts').textContent =
    `${number(state.segments)} segments · ${number(state.polygons)} leaves · ${number(state.modules)} modules`;
  $('seed').textContent = state.seed === null ? '' : `seed ${state.seed}`;
  const diagnostics = $('diagnostics');
  diagnostics.hidden = state.state !== 'error';
  if (state.state === 'error') diagnostics.textContent = state.diagnostics;
}

async function apply(state) {
  showState(state);
  if (state.state === 'ready' && state.plant !== shownPlant) {
    const firstPlant = shownPlant === 0;
    await loadPlant(state.plant);
    shownPlant = state.plant;
    if (firstPlant || !userMoved) frame(); else render();
  }
  if (state.state !== 'growing' || shownPlant !== 0) {
    document.body.dataset.segments = state.segments;
  }
  document.body.dataset.state = state.state;
}

// States are applied one at a time, the latest first after a slow one.
let latest = null, applying = false;
async function receive(state) {
  latest = state;
  if (applying) return;
  applying = true;
  while (latest) {
    const next = latest;
    latest = null;
    try {
      await apply(next);
    } catch (error) {
      $('diagnostics').hidden = false;
      $('diagnostics').textContent = String(error);
      document.body.dataset.state = 'error';
    }
  }
  applying = false;
}

new EventSource('/events').onmessage = (event) => receive(JSON.parse(event.data));

$('steps').addEventListener('input', (event) => { $('step').textContent = event.target.value; });
$('steps').addEventListener('change', (event) => {
  userMoved = false;
  fetch('/steps', { method: 'POST', body: String(event.target.value) });
});
$('grid').addEventListener('change', (event) => {
  if (grid) grid.visible = event.target.checked;
  render();
});
$('frame').addEventListener('click', frame);
window.addEventListener('keydown', (event) => {
  if (event.key === 'f' && event.target === document.body) frame();
});
