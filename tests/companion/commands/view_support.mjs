// Running `lsys view` for the tests: a description in a folder of its own, the server on an
// ephemeral loopback port, its state through the event stream, and raw HTTP requests.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';

// Saves as editors do: a new file renamed over the old one.
export function save(file, text) {
  fs.writeFileSync(`${file}.saving`, text);
  fs.renameSync(`${file}.saving`, file);
}

export class ViewServer {
  // Starts `lsys view` on the description text; resolves once it printed its address.
  static async start(lsys, text, extraArguments = []) {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'lsys-view-'));
    const file = path.join(folder, 'plant.ls');
    fs.writeFileSync(file, text);
    const child = spawn(lsys, ['view', file, '--port', '0', ...extraArguments],
                        { stdio: ['ignore', 'pipe', 'pipe'] });
    const server = new ViewServer(folder, file, child);
    server.url = await new Promise((resolve, reject) => {
      let out = '';
      child.stdout.on('data', (chunk) => {
        out += chunk;
        if (out.includes('\n')) resolve(out.split('\n')[0]);
      });
      child.on('exit', (code) => reject(new Error(`lsys view ended with ${code}: ${server.errors}`)));
    });
    server.port = Number(new URL(server.url).port);
    return server;
  }

  constructor(folder, file, child) {
    this.folder = folder;
    this.file = file;
    this.child = child;
    this.errors = '';
    child.stderr.on('data', (chunk) => { this.errors += chunk; });
    this.exited = new Promise((resolve) => child.on('exit', (code, signal) => resolve({ code, signal })));
  }

  // A raw request: the path goes out exactly as given.
  request(method, requestPath, headers = {}, body = null) {
    return new Promise((resolve, reject) => {
      const request = http.request({ host: '127.0.0.1', port: this.port, method, path: requestPath,
                                     headers }, (response) => {
        const chunks = [];
        response.on('data', (chunk) => chunks.push(chunk));
        response.on('end', () => resolve({ status: response.statusCode, headers: response.headers,
                                           body: Buffer.concat(chunks) }));
      });
      request.on('error', reject);
      if (body !== null) request.write(body);
      request.end();
    });
  }

  // Resolves with the first state pushed on the event stream that satisfies the test.
  waitForState(test, timeoutMs = 20000) {
    return new Promise((resolve, reject) => {
      let buffer = '';
      const request = http.get({ host: '127.0.0.1', port: this.port, path: '/events' }, (response) => {
        response.setEncoding('utf8');
        response.on('data', (chunk) => {
          buffer += chunk;
          let end;
          while ((end = buffer.indexOf('\n\n')) >= 0) {
            const event = buffer.slice(0, end);
            buffer = buffer.slice(end + 2);
            if (!event.startsWith('data: ')) continue;
            const state = JSON.parse(event.slice(6));
            if (test(state)) {
              clearTimeout(timer);
              request.destroy();
              resolve(state);
            }
          }
        });
      });
      const fail = (message) => {
        clearTimeout(timer);
        request.destroy();
        reject(new Error(message));
      };
      const timer = setTimeout(() => fail('no such state in time'), timeoutMs);
      request.on('error', () => fail('the event stream failed'));
      request.on('close', () => fail('the event stream ended'));
    });
  }

  async stop(signal = 'SIGTERM') {
    if (this.child.exitCode === null && this.child.signalCode === null) this.child.kill(signal);
    const result = await this.exited;
    fs.rmSync(this.folder, { recursive: true, force: true });
    return result;
  }
}
